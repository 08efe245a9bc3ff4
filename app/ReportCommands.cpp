// The report commands of the "Файл" menu: the results exported as a
// workbook or CSV, the report as a PDF file or printed. Each brings the
// results up to date first; cancelling a dialog writes nothing.

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

#include "BuildingReport.h"
#include "BuildingReportContents.h"
#include "DialogFolders.h"
#include "MainForm.h"
#include "ReportFile.h"
#include "ReportPrinter.h"
#include "ReportWorkbook.h"
#include "ResultsCsv.h"

namespace {

const QString kWorkbookFilter = QStringLiteral("Книга Excel (*.xlsx)");
const QString kCsvFilter = QStringLiteral("Текст CSV (*.csv)");
const QString kPdfFilter = QStringLiteral("Документ PDF (*.pdf)");

// File names go to the operating system as UTF-8 bytes.
std::string NativeName(const QString& name) { return QFile::encodeName(name).toStdString(); }

QAction* MakeItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

// A save dialog with the given filters, the first chosen, started at the
// project (StartDialogAtProject); the file name gets the suffix of the
// chosen filter when it has none.
QFileDialog* SaveDialog(QWidget* parent, const QString& title, const QStringList& filters,
                        const QStringList& suffixes) {
    auto* dialog = new QFileDialog(parent, title);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters(filters);
    dialog->setDefaultSuffix(suffixes.front());
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog, filters, suffixes](const QString& f) {
        dialog->setDefaultSuffix(suffixes.value(filters.indexOf(f), suffixes.front()));
    });
    StartDialogAtProject(*dialog, parent, suffixes.front());
    return dialog;
}

// The date and time the title block of a report prints.
std::string MadeNow() {
    return QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")).toStdString();
}

}  // namespace

void TForm1::CreateReportItems() {
    ProjectPropertiesItem = MakeItem(N1, "ProjectPropertiesItem", QStringLiteral("Сво&йства проекта…"));
    PrintReport = MakeItem(N1, "PrintReport", QStringLiteral("Печать о&тчёта…"));
    ReportPdf = MakeItem(N1, "ReportPdf", QStringLiteral("Отчёт (P&DF)…"));
    ExportResults = MakeItem(N1, "ExportResults", QStringLiteral("&Экспорт результатов…"));
    connect(ProjectPropertiesItem, &QAction::triggered, this, &TForm1::ProjectPropertiesClick);
    connect(PrintReport, &QAction::triggered, this, &TForm1::PrintReportClick);
    connect(ReportPdf, &QAction::triggered, this, &TForm1::ReportPdfClick);
    connect(ExportResults, &QAction::triggered, this, &TForm1::ExportResultsClick);
}

TForm1::ExportTarget TForm1::RunExportDialog1(QWidget* parent) {
    std::unique_ptr<QFileDialog> dialog(SaveDialog(parent, QStringLiteral("Экспорт результатов"),
                                                   {kWorkbookFilter, kCsvFilter},
                                                   {QStringLiteral("xlsx"), QStringLiteral("csv")}));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    const QString path = dialog->selectedFiles().constFirst();
    RememberDialogFolder(path);
    return {path,
            dialog->selectedNameFilter() == kCsvFilter || path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)};
}

QString TForm1::RunReportPdfDialog1(QWidget* parent) {
    std::unique_ptr<QFileDialog> dialog(
        SaveDialog(parent, QStringLiteral("Отчёт (PDF)"), {kPdfFilter}, {QStringLiteral("pdf")}));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    RememberDialogFolder(dialog->selectedFiles().constFirst());
    return dialog->selectedFiles().constFirst();
}

// «Всё здание» or «Текущее помещение», the whole building first.
TForm1::ScopeAnswer TForm1::RunReportScopeDialog1(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ReportScopeDialog"));
    dialog.setWindowTitle(QStringLiteral("Что включить в отчёт"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* building = new QRadioButton(QStringLiteral("&Всё здание"), &dialog);
    auto* room = new QRadioButton(QStringLiteral("&Текущее помещение"), &dialog);
    building->setChecked(true);
    layout->addWidget(building);
    layout->addWidget(room);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Далее"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return ScopeAnswer::Cancel;
    return room->isChecked() ? ScopeAnswer::CurrentRoom : ScopeAnswer::Building;
}

void TForm1::ShowWrittenFile(const QString& what, const QString& path) {
    const QFileInfo file(path);
    RememberDialogFolder(file.absoluteFilePath());
    if (WrittenFileLine == nullptr) {
        WrittenFileLine = new QLabel(StatusBar1);
        WrittenFileLine->setObjectName(QStringLiteral("WrittenFileLine"));
        WrittenFileLine->setTextFormat(Qt::RichText);
        WrittenFileLine->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        connect(WrittenFileLine, &QLabel::linkActivated, this,
                [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });
        StatusBar1->addWidget(WrittenFileLine, 1);
    }
    const QString folder = file.absolutePath();
    WrittenFileLine->setText(QStringLiteral("%1 «%2» записан в папку <a href=\"%3\">%4</a>")
                                 .arg(what.toHtmlEscaped(), file.fileName().toHtmlEscaped(),
                                      QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded),
                                      QDir::toNativeSeparators(folder).toHtmlEscaped()));
    WrittenFileLine->setToolTip(QStringLiteral("Открыть папку"));
    WrittenFileLine->setAccessibleName(QStringLiteral("Записанный файл"));
    StatusBar1->clearMessage();
    WrittenFileLine->show();
}

namespace {

// The scope the user chose of `building`: a building of one room needs no
// question.
std::optional<ReportScope> ChosenScope(const std::function<TForm1::ScopeAnswer(QWidget*)>& ask, QWidget* parent,
                                       const BuildingInputs& building, std::size_t currentRoom) {
    if (building.Rooms.size() <= 1) return ReportScope{};
    switch (ask(parent)) {
        case TForm1::ScopeAnswer::Building:
            return ReportScope{};
        case TForm1::ScopeAnswer::CurrentRoom:
            return ReportScope{currentRoom};
        case TForm1::ScopeAnswer::Cancel:
            break;
    }
    return std::nullopt;
}

}  // namespace

void TForm1::ExportResultsClick() {
    const ActionTitle title(this, QStringLiteral("Экспорт результатов"));
    RunHandler([this] {
        if (!BringResultsUpToDate()) return;
        const BuildingInputs building = ReportedBuilding();
        const std::optional<ReportScope> scope = ChosenScope(ReportScopeDialog1, this, building, CurrentRoom());
        if (!scope) return;
        const ExportTarget target = ExportDialog1(this);
        if (target.path.isEmpty()) return;
        const BuildingInputs covered = BuildingOfScope(building, *scope);
        if (target.csv) {
            WriteReportFile(NativeName(target.path), BuildingResultsCsv(ComputeForExport(covered)));
        } else {
            WriteReportFile(NativeName(target.path), WorkbookBytes(ExportWorkbookSheets(covered)));
        }
        ShowWrittenFile(target.csv ? QStringLiteral("Файл CSV") : QStringLiteral("Книга Excel"), target.path);
    });
}

void TForm1::ReportPdfClick() {
    const ActionTitle title(this, QStringLiteral("Отчёт (PDF)"));
    RunHandler([this] {
        if (!BringResultsUpToDate()) return;
        const BuildingInputs building = ReportedBuilding();
        const std::optional<ReportScope> scope = ChosenScope(ReportScopeDialog1, this, building, CurrentRoom());
        if (!scope) return;
        const QString name = ReportPdfDialog1(this);
        if (name.isEmpty()) return;
        const QByteArray pdf = BuildingReportPdf(
            MakeBuildingReportContents(building, *scope, {MadeNow(), CurrentProjectFile().toStdString()}));
        WriteReportFile(NativeName(name), std::string_view(pdf.constData(), std::size_t(pdf.size())));
        ShowWrittenFile(QStringLiteral("Отчёт"), name);
    });
}

void TForm1::PrintReportClick() {
    const ActionTitle title(this, QStringLiteral("Печать отчёта"));
    RunHandler([this] {
        if (!BringResultsUpToDate()) return;
        const BuildingInputs building = ReportedBuilding();
        const std::optional<ReportScope> scope = ChosenScope(ReportScopeDialog1, this, building, CurrentRoom());
        if (!scope) return;
        QPrinter printer(QPrinter::HighResolution);
        SetReportPageLayout(printer);
        if (!PrintDialog1(printer, this)) return;
        PrintBuildingReport(
            printer, MakeBuildingReportContents(building, *scope, {MadeNow(), CurrentProjectFile().toStdString()}));
    });
}
