// The report commands of the "Файл" menu: the results exported as a
// workbook or CSV, the report as a PDF file or printed. Each brings the
// results up to date first; cancelling a dialog writes nothing.

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QPrinter>

#include "HourlyCharts.h"
#include "MainForm.h"
#include "ProjectDocument.h"
#include "ProjectReport.h"
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

// A save dialog with the given filters, the first chosen; the file name gets
// the suffix of the chosen filter when it has none.
QFileDialog* SaveDialog(QWidget* parent, const QString& title, const QStringList& filters,
                        const QStringList& suffixes) {
    auto* dialog = new QFileDialog(parent, title);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters(filters);
    dialog->setDefaultSuffix(suffixes.front());
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog, filters, suffixes](const QString& f) {
        dialog->setDefaultSuffix(suffixes.value(filters.indexOf(f), suffixes.front()));
    });
    return dialog;
}

}  // namespace

void TForm1::CreateReportItems() {
    PrintReport = MakeItem(N1, "PrintReport", QStringLiteral("Печать о&тчёта…"));
    ReportPdf = MakeItem(N1, "ReportPdf", QStringLiteral("Отчёт (P&DF)…"));
    ExportResults = MakeItem(N1, "ExportResults", QStringLiteral("&Экспорт результатов…"));
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
    return {path,
            dialog->selectedNameFilter() == kCsvFilter || path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)};
}

QString TForm1::RunReportPdfDialog1(QWidget* parent) {
    std::unique_ptr<QFileDialog> dialog(
        SaveDialog(parent, QStringLiteral("Отчёт (PDF)"), {kPdfFilter}, {QStringLiteral("pdf")}));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    return dialog->selectedFiles().constFirst();
}

void TForm1::ExportResultsClick() {
    const ActionTitle title(this, QStringLiteral("Экспорт результатов"));
    RunHandler([this] {
        if (!BringResultsUpToDate()) return;
        const ExportTarget target = ExportDialog1(this);
        if (target.path.isEmpty()) return;
        const ProjectInputs inputs = ShownProjectInputs();
        const ProjectResults results = ShownProjectResults(inputs);
        if (target.csv) {
            WriteReportFile(NativeName(target.path), ResultsCsv(results));
        } else {
            WriteReportWorkbook(MakeProjectReport(inputs, results), NativeName(target.path));
        }
    });
}

void TForm1::ReportPdfClick() {
    const ActionTitle title(this, QStringLiteral("Отчёт (PDF)"));
    RunHandler([this] {
        if (!BringResultsUpToDate()) return;
        const QString name = ReportPdfDialog1(this);
        if (name.isEmpty()) return;
        const ProjectInputs inputs = ShownProjectInputs();
        const ProjectReport report = MakeProjectReport(inputs, ShownProjectResults(inputs));
        const QByteArray pdf =
            ProjectReportPdf(report, MakeHourlyCharts(report), {QDateTime::currentDateTime(), CurrentProjectFile()});
        WriteReportFile(NativeName(name), std::string_view(pdf.constData(), std::size_t(pdf.size())));
    });
}

void TForm1::PrintReportClick() {
    const ActionTitle title(this, QStringLiteral("Печать отчёта"));
    RunHandler([this] {
        if (!BringResultsUpToDate()) return;
        QPrinter printer(QPrinter::HighResolution);
        SetReportPageLayout(printer);
        if (!PrintDialog1(printer, this)) return;
        const ProjectInputs inputs = ShownProjectInputs();
        const ProjectReport report = MakeProjectReport(inputs, ShownProjectResults(inputs));
        PrintProjectReport(printer, report, MakeHourlyCharts(report),
                           {QDateTime::currentDateTime(), CurrentProjectFile()});
    });
}
