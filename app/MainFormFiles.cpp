// Menu commands of the project file, printing, the reference pages and the
// about box.

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>

#include "MainForm.h"
#include "Okna.h"
#include "Printing.h"
#include "ProjectFile.h"
#include "ProjectState.h"
#include "Spravka.h"

namespace {

const QString kFileFilter = QStringLiteral("TXTfile (*.txt);;Все файлы (*)");

// File names go to the operating system as UTF-8 bytes.
std::string NativeName(const QString& name) { return QFile::encodeName(name).toStdString(); }

ProjectHeader HeaderOf(const QStringList& texts) {
    ProjectHeader header;
    for (int i = 0; i < kProjectHeaderLines && i < texts.size(); ++i) {
        header[static_cast<std::size_t>(i)] = texts[i].toStdString();
    }
    return header;
}

}  // namespace

QString TForm1::RunSaveDialog1(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(kFileFilter);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // saving over a file replaces it without a question
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString TForm1::RunOpenDialog1(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(kFileFilter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool TForm1::RunPrintDialog1(QPrinter& printer, QWidget* parent) { return RunPrintDialog(printer, parent); }

// "Сохранить": everything is checked and composed first, then the file is
// replaced in one step, so a failed save leaves an existing file as it was.
void TForm1::N2Click() {
    RunHandler([this] {
        const QString name = SaveDialog1(this);
        if (name.isEmpty()) return;
        const std::string text = ComposeProjectFile(Project, Edit3->text().toStdString(), Edit5->text().toStdString());
        WriteProjectFileAtomically(NativeName(name), text);
    });
}

// "Открыть": the whole file is read and checked before anything changes;
// then the header goes into its controls in line order, their change
// handlers running as typing would, and the table into the window table.
void TForm1::N3Click() {
    RunHandler([this] {
        const QString name = OpenDialog1(this);
        if (name.isEmpty()) return;
        ShowInputPage();
        const ProjectFileContents contents = ReadProjectFile(NativeName(name));
        CheckHeaderAssignment(contents.header, HeaderOf(HeaderControlTexts()));

        QStringList texts;
        for (const std::string& line : contents.header)
            texts << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        AssignHeaderTexts(texts);
        // Raises here an error a change handler left pending (none is
        // expected after the check above), before the table is stored.
        AssignText(Edit5, Edit5->text());
        StoreProjectTable(contents, Project.WindowHours);
    });
}

// "Печать": a picture of the client area, as shown, on one page; the pages
// show current results first (a failure is shown, and so is the page).
void TForm1::N7Click() {
    RunHandler([this] {
        BringResultsUpToDate();
        QPrinter printer(QPrinter::HighResolution);
        QWidget* client = centralWidget() != nullptr ? centralWidget() : this;
        PrintWindow(this, client, printer, PrintDialog1);
    });
}

TForm2* TForm1::AboutBox() {
    if (Form2 == nullptr) Form2 = new TForm2(this);
    return Form2;
}

TForm3* TForm1::ReferenceViewer() {
    if (Form3 == nullptr) Form3 = new TForm3(this);
    return Form3;
}

void TForm1::R1Click() { ReferenceViewer()->ShowTopic(1); }   // fillings of light openings
void TForm1::R2Click() { ReferenceViewer()->ShowTopic(2); }   // resistances of light openings
void TForm1::N12Click() { ReferenceViewer()->ShowTopic(3); }  // thermal properties of enclosures
void TForm1::tt1Click() { ReferenceViewer()->ShowTopic(4); }  // climate of cities
void TForm1::N13Click() { ReferenceViewer()->ShowTopic(5); }  // calculation schemes

void TForm1::N6Click() { AboutBox()->exec(); }  // "О программе", modal
