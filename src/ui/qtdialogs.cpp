#include "ui/qtdialogs.h"

#include "ui/twips.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QUrl>

namespace ui {

namespace {

ScreenSize inTwips(QSize pixels)
{
    return {pixels.width() * twipsPerPixel, pixels.height() * twipsPerPixel};
}

// The file dialog's filters, one per description-pattern pair.
QStringList qtFilterList(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        const QString shown = "(" + pattern + ")";
        if (description.endsWith(shown))
            description.chop(shown.size());
        description = description.trimmed();
        QStringList patterns = pattern.split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns)
            p = p.trimmed();
        filters << (description.isEmpty() ? QString() : description + " ") + "(" + patterns.join(u' ') + ")";
    }
    return filters;
}

// Qt's own save dialog, which refuses a name in a folder that does not
// exist when asked to, and stays open for another.
class SaveDialog : public QFileDialog {
public:
    SaveDialog(QWidget* parent, const QString& title, bool folderMustExist)
        : QFileDialog(parent, title), folderMustExist_(folderMustExist)
    {
    }

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (folderMustExist_ && !chosen.isEmpty()) {
            if (const std::optional<std::string> folder = missingFolderOf(chosen.first().toStdString())) {
                // Held as the seam's own boxes are: should this dialog go
                // while the box is open, the box goes with it, once.
                const QPointer<QMessageBox> box = new QMessageBox(
                    QMessageBox::Warning, windowTitle(),
                    "The folder " + QString::fromStdString(*folder) + " does not exist.\nChoose a folder that exists.",
                    QMessageBox::Ok, this);
                box->setTextFormat(Qt::PlainText);
                box->exec();
                delete box;
                return;
            }
        }
        QFileDialog::accept();
    }

private:
    bool folderMustExist_;
};

} // namespace

QString qtFileFilter(const std::string& filter)
{
    return qtFilterList(filter).join(";;");
}

QWidget* QtDialogs::owner()
{
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible())
        windowInUse_ = active;
    if (windowInUse_ && windowInUse_->isVisible())
        return windowInUse_;
    return parent_;
}

void QtDialogs::giveKeyboardBack(const QPointer<QWidget>& owner)
{
    if (owner && owner->isVisible())
        owner->activateWindow();
}

Answer QtDialogs::message(const std::string& text, Buttons buttons, const std::string& title)
{
    // Held by a guard: should the window it belongs to go while it is open,
    // the box goes with it and is not deleted twice.
    const QPointer<QWidget> belongsTo = owner();
    windowInUse_ = belongsTo;
    const QPointer<QMessageBox> guarded = new QMessageBox(belongsTo);
    QMessageBox& box = *guarded;
    box.setWindowTitle(QString::fromStdString(title.empty() ? std::string(applicationTitle) : title));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    Answer dismissed = Answer::Ok; // what closing the box without a button means
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        dismissed = Answer::Cancel;
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        dismissed = Answer::No;
        break;
    }
    const int answer = box.exec();
    delete guarded;
    giveKeyboardBack(belongsTo);
    switch (answer) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return dismissed;
    }
}

std::optional<std::string> QtDialogs::askSaveFileName(const SaveFileRequest& request)
{
    // Qt's own dialog everywhere: it adds no extension, and it behaves the
    // same on every desktop. Held as a message box is: should the window it
    // belongs to go while it is open, the dialog goes with it, once, and
    // counts as cancelled.
    const QPointer<QWidget> belongsTo = owner();
    windowInUse_ = belongsTo;
    const QPointer<SaveDialog> guarded
        = new SaveDialog(belongsTo, QString::fromStdString(request.title), request.folderMustExist);
    SaveDialog& dialog = *guarded;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askBeforeReplacing);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = qtFilterList(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
            dialog.selectNameFilter(filters[request.filterIndex - 1]);
    }
    if (!request.initialName.empty())
        dialog.selectFile(QString::fromStdString(request.initialName));
    const bool accepted = dialog.exec() == QDialog::Accepted && guarded;
    const QStringList chosen = accepted ? guarded->selectedFiles() : QStringList();
    delete guarded;
    giveKeyboardBack(belongsTo);
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return std::nullopt;
    return chosen.first().toStdString();
}

bool QtDialogs::openDocument(const std::string& path, std::string& reason)
{
    const QFileInfo file(QString::fromStdString(path));
    if (!file.exists()) {
        reason = "The file does not exist.";
        return false;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()))) {
        reason = "The desktop has no application to open it.";
        return false;
    }
    return true;
}

ScreenSize QtDialogs::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? inTwips(screen->geometry().size()) : ScreenSize{};
}

ScreenSize QtDialogs::availableArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? inTwips(screen->availableGeometry().size()) : ScreenSize{};
}

} // namespace ui
