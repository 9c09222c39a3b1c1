// The drawing board's Print > Full-size templates: the print dialog with the templates' options
// (calibration and overlap), then one document of every plate at 1:1.
#pragma once

#include <QPrinter>
#include <string>

#include "develop/template_document.h"
#include "windows/dialogs.h"
#include "windows/document.h"

namespace voriel {

constexpr const char* kPrintTemplatesTitle = "Voriel2000 Printing templates";

// What the user sets for the templates, kept by the board for the run: the printer's calibration
// measured once serves every print.
struct TemplatePrintOptions {
    TemplateScale scale;
    double overlapMm = kDefaultOverlapMm;
};

// The print dialog of the templates behind a small interface, so that the command runs in a test
// without one.
class TemplatePrintDialogs {
public:
    virtual ~TemplatePrintDialogs() = default;
    // The print dialog titled `title` on the current printer, which it may change, with the
    // options' texts as the user typed them (a decimal comma accepted); false when cancelled.
    virtual bool printTemplates(QPrinter& printer, const std::string& title, int16_t language,
                                std::string& sx, std::string& sy, std::string& overlapMm) = 0;
};

// Qt's QPrintDialog with a tab "Gabarits" / "Templates" holding SX, SY and the overlap.
class QtTemplatePrintDialogs : public TemplatePrintDialogs {
public:
    explicit QtTemplatePrintDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    bool printTemplates(QPrinter& printer, const std::string& title, int16_t language,
                        std::string& sx, std::string& sy, std::string& overlapMm) override;

private:
    QWidget* parent_;
};

// The captions of the menu entry.
constexpr const char* kTemplatesCaptionFrench = "Gabarits 1:1";
constexpr const char* kTemplatesCaptionEnglish = "Full-size templates";

// The command: the print dialog (a cancel ends it silently), then, when the options read as
// numbers within their limits, the hourglass while the templates of the plates the board's stage
// has (ChineView 0: the bottom; 1: every plate) are printed as one document laid out on the
// printer's own page, with `date` in the headers. The options are kept only when they are
// accepted. A refused option or a failure (the printer's error, a PDF file that cannot be
// written) is shown in a message titled kPrintTemplatesTitle, and no partial file is left.
void PrintTemplatesCommand(const Document& doc, Dialogs& dialogs,
                           TemplatePrintDialogs& printDialogs, QPrinter& printer,
                           TemplatePrintOptions& options, const std::string& date);

}  // namespace voriel
