// The dialogs of the desktop program on Qt: file pickers, message boxes, the beep, the hourglass.
#include "windows/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStringList>

namespace voriel {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The window the dialog belongs to: the one the user is working in.
QWidget* owner() {
    return QApplication::activeWindow();
}

// The cursor the hourglass hid, shown again while a dialog waits for the user.
class NormalCursor {
public:
    NormalCursor() : waiting_(QGuiApplication::overrideCursor() != nullptr) {
        if (waiting_) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursor() {
        if (waiting_) QGuiApplication::restoreOverrideCursor();
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

private:
    bool waiting_;
};

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace

QString QtFileFilter(const std::string& filter) {
    const QStringList parts = qs(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = QString(parts[i + 1]).replace(';', ' ').trimmed();
        // Qt filters by the last brackets of an entry: the pattern goes there unless the
        // description already ends with it.
        const QString bracketed = "(" + pattern + ")";
        out << (description.endsWith(bracketed) ? description : description + " " + bracketed);
    }
    return out.join(";;");
}

std::optional<std::string> QtDialogs::openFile(const SaveDialog& request) {
    NormalCursor cursor;
    return chosen(QFileDialog::getOpenFileName(owner(), qs(request.title), qs(request.proposedName),
                                               QtFileFilter(request.filter)));
}

std::optional<std::string> QtDialogs::saveFile(const SaveDialog& request) {
    NormalCursor cursor;
    return chosen(QFileDialog::getSaveFileName(owner(), qs(request.title), qs(request.proposedName),
                                               QtFileFilter(request.filter)));
}

void QtDialogs::message(const std::string& title, const std::string& text) {
    NormalCursor cursor;
    QMessageBox::warning(owner(), qs(title), qs(text));
}

bool QtDialogs::confirm(const std::string& title, const std::string& text) {
    NormalCursor cursor;
    return QMessageBox::question(owner(), qs(title), qs(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void QtDialogs::beep() {
    QApplication::beep();
}

void QtDialogs::beginWait() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtDialogs::endWait() {
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace voriel
