#include "DialogFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

#include "BuildingDocument.h"
#include "MainForm.h"

namespace {

const QString kLastFolderKey = QStringLiteral("LastFolder");

const TForm1* FormOf(QWidget* parent) {
    return parent != nullptr ? dynamic_cast<const TForm1*>(parent->window()) : nullptr;
}

QString LastFolder() {
    const QString folder =
        QSettings(kSettingsOwner, QCoreApplication::applicationName()).value(kLastFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

// A name the file system takes: no path separators or characters the
// desktops refuse, no blanks at the ends.
QString FileNameOf(QString name) {
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name)
        if (refused.contains(c) || c.isSpace()) c = c.isSpace() ? QLatin1Char(' ') : QLatin1Char('_');
    return name.simplified();
}

}  // namespace

QString DialogFolder(QWidget* parent) {
    if (const TForm1* form = FormOf(parent); form != nullptr && !form->CurrentProjectFile().isEmpty())
        return QFileInfo(form->CurrentProjectFile()).absolutePath();
    const QString last = LastFolder();
    return last.isEmpty() ? QDir::homePath() : last;
}

QString ProposedFileName(QWidget* parent, const QString& suffix) {
    QString name;
    if (const TForm1* form = FormOf(parent)) {
        if (!form->CurrentProjectFile().isEmpty()) {
            name = QFileInfo(form->CurrentProjectFile()).completeBaseName();
        } else {
            name = FileNameOf(QString::fromStdString(form->ReportedBuilding().Properties.Object));
        }
    }
    if (name.isEmpty()) name = QStringLiteral("Проект");
    return QDir(DialogFolder(parent)).filePath(suffix.isEmpty() ? name : name + QLatin1Char('.') + suffix);
}

void StartDialogAtProject(QFileDialog& dialog, QWidget* parent, const QString& suffix) {
    dialog.setDirectory(DialogFolder(parent));
    if (dialog.acceptMode() == QFileDialog::AcceptSave) dialog.selectFile(ProposedFileName(parent, suffix));
}

void RememberDialogFolder(const QString& file) {
    if (file.isEmpty()) return;
    QSettings(kSettingsOwner, QCoreApplication::applicationName())
        .setValue(kLastFolderKey, QFileInfo(file).absolutePath());
}
