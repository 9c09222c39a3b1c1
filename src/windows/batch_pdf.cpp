// A print command to a PDF file from a program without windows (voriel-cli): no Qt in sight.
#include "windows/batch_pdf.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrinter>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "windows/printed_document.h"

namespace voriel {

namespace {

// Qt's notes and warnings (a runtime folder not set, say) are no business of the batch user:
// the outcome is the failure returned. Critical messages still show.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// The GUI application QPrinter needs, made only when the program has none; its arguments live
// as long as it does, as Qt asks. Qt's notes stay quiet while it lives.
class GuiApplication {
public:
    GuiApplication() : previous_(qInstallMessageHandler(quietQt)) {
        if (QCoreApplication::instance()) return;
        if (qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    ~GuiApplication() {
        app_.reset();
        qInstallMessageHandler(previous_);
    }
    GuiApplication(const GuiApplication&) = delete;
    GuiApplication& operator=(const GuiApplication&) = delete;

private:
    QtMessageHandler previous_;
    int argc_ = 1;
    char name_[11] = "voriel-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace

std::optional<std::string> PrintPdfFile(PrintCommand command, const Hull& hull,
                                        const BoardState& board, const std::string& date,
                                        Paper paper, const std::string& path) {
    const GuiApplication app;
    QPrinter printer(QPrinter::HighResolution);
    SetPdfPrinter(printer, paper, path);
    return PrintOnPrinter(printer, command, hull, board, date);
}

std::optional<std::string> PrintPagesPdfFile(
    const std::function<std::optional<std::string>(Canvas&)>& pages, Paper paper,
    const std::string& path) {
    const GuiApplication app;
    QPrinter printer(QPrinter::HighResolution);
    SetPdfPrinter(printer, paper, path);
    return PrintPagesOnPrinter(printer, pages);
}

}  // namespace voriel
