// The drawing board's Print > Full-size templates: the print dialog with the templates' options
// (calibration and overlap), then one document of every plate at 1:1.
#include "windows/template_commands.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <optional>

#include "text/number_text.h"
#include "windows/printed_document.h"

namespace voriel {

namespace {

// A box's text read as the windows read numbers: a decimal comma accepted, the leading number.
double boxNumber(const std::string& text) {
    return Val(CommaToPoint(text));
}

std::string optionText(double v) {
    return Format(v, "0.0###");
}

QLineEdit* row(QFormLayout* form, const QString& caption, const std::string& text) {
    auto* box = new QLineEdit(QString::fromStdString(text));
    form->addRow(caption, box);
    return box;
}

}  // namespace

bool QtTemplatePrintDialogs::printTemplates(QPrinter& printer, const std::string& title,
                                            int16_t language, std::string& sx, std::string& sy,
                                            std::string& overlapMm) {
    const bool fr = language == 0;
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QString::fromStdString(title));
    auto* tab = new QWidget;
    tab->setWindowTitle(fr ? QStringLiteral("Gabarits") : QStringLiteral("Templates"));
    auto* form = new QFormLayout(tab);
    form->addRow(new QLabel(fr ? QString::fromUtf8("Étalonnage : 100 / largeur et 100 / hauteur "
                                                   "du carré mesurées (mm)")
                               : QStringLiteral("Calibration: 100 / the square's measured width "
                                                "and height (mm)")));
    QLineEdit* sxBox = row(form, QStringLiteral("SX"), sx);
    QLineEdit* syBox = row(form, QStringLiteral("SY"), sy);
    QLineEdit* overlapBox = row(
        form, fr ? QStringLiteral("Recouvrement (mm)") : QStringLiteral("Overlap (mm)"), overlapMm);
    dialog.setOptionTabs({tab});
    if (dialog.exec() != QDialog::Accepted) return false;
    sx = sxBox->text().toStdString();
    sy = syBox->text().toStdString();
    overlapMm = overlapBox->text().toStdString();
    return true;
}

void PrintTemplatesCommand(const Document& doc, Dialogs& dialogs,
                           TemplatePrintDialogs& printDialogs, QPrinter& printer,
                           TemplatePrintOptions& options, const std::string& date) {
    std::string sx = optionText(options.scale.SX), sy = optionText(options.scale.SY);
    std::string overlap = optionText(options.overlapMm);
    if (!printDialogs.printTemplates(printer, kPrintTemplatesTitle, doc.hull.Language, sx, sy,
                                     overlap))
        return;
    TemplateRequest request;
    request.scale = {boxNumber(sx), boxNumber(sy)};
    request.overlapMm = boxNumber(overlap);
    request.date = date;
    if (const auto refused = CheckTemplateRequest(request)) {
        dialogs.message(kPrintTemplatesTitle, *refused);
        return;
    }
    options = {request.scale, request.overlapMm};
    // Refused before the printer starts, so that no empty page comes out of it (points are 20
    // twips).
    const QRectF page = printer.pageRect(QPrinter::Point);
    const TemplatePlan first =
        PlanTemplates(doc.hull, doc.board, request, static_cast<float>(page.width() * 20),
                      static_cast<float>(page.height() * 20));
    if (!first.error.empty()) {
        dialogs.message(kPrintTemplatesTitle, first.error);
        return;
    }
    std::optional<std::string> error;
    {
        WaitCursor wait(dialogs);
        // The printer's own page, as the dialog left it, decides the layout.
        error = PrintPagesOnPrinter(printer, [&](Canvas& canvas) -> std::optional<std::string> {
            const TemplatePlan plan = PlanTemplates(doc.hull, doc.board, request,
                                                    canvas.scaleWidth(), canvas.scaleHeight());
            if (!plan.error.empty()) return plan.error;
            PrintTemplates(doc.hull, plan, request, canvas);
            return std::nullopt;
        });
    }
    if (error) dialogs.message(kPrintTemplatesTitle, *error);
}

}  // namespace voriel
