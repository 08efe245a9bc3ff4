#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

#include <filesystem>

#include "BuildingReportContents.h"
#include "MainForm.h"
#include "ProjectDocument.h"
#include "ProjectReport.h"
#include "ProjectState.h"
#include "ReportPrinter.h"
#include "ReportWorkbook.h"

// The reports of a full project: windows to the south and the west, a wall
// of three layers to the south, the west and the south-west, a roof of three
// layers. The workbook written to a file, the PDF report made in memory (its
// size in bytes as the counter "bytes"), and the page «Графики» shown once
// the results are current.

namespace {

const char* const kProject = R"({
  "Latitude": "52", "WindowHeight": "1.8", "WindowWidth": "2.4", "WindowCount": "2",
  "WindowOrientations": ["Ю", "З"], "Walls": true, "Roof": true, "WallOrientations": ["Ю", "ЮЗ", "З"],
  "WallArea": "12.5", "WallAbsorptance": "0.7",
  "WallLayers": [
    {"MaterialName": "Штукатурка", "HeatAbsorption": "9.6", "Conductivity": "0.81", "Thickness": "0.02"},
    {"MaterialName": "Кирпич", "HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": "0.38"},
    {"MaterialName": "Минвата", "HeatAbsorption": "0.5", "Conductivity": "0.045", "Thickness": "0.1"}],
  "RoofArea": "40", "RoofAbsorptance": "0.8", "UnderRoofTemp": "24",
  "RoofLayers": [
    {"MaterialName": "Железобетон", "HeatAbsorption": "17.98", "Conductivity": "1.92", "Thickness": "0.22"},
    {"MaterialName": "Пенополистирол", "HeatAbsorption": "0.36", "Conductivity": "0.041", "Thickness": "0.15"},
    {"MaterialName": "Рубероид", "HeatAbsorption": "3.53", "Conductivity": "0.17", "Thickness": "0.01"}]
})";

ProjectReport FullReport() {
    const ProjectInputs inputs = ReadProjectInputs(kProject);
    return MakeProjectReport(inputs, RunProject(inputs));
}

void BM_WorkbookOfAFullProject(benchmark::State& state) {
    const ProjectReport report = FullReport();
    const std::string path = (std::filesystem::temp_directory_path() / "solargain-bench.xlsx").string();
    for (auto _ : state) WriteReportWorkbook(report, path);
    state.counters["bytes"] = double(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}

void BM_PdfReportOfAFullProject(benchmark::State& state) {
    const BuildingReportContents report =
        MakeBuildingReportContents(BuildingOfProject(ReadProjectInputs(kProject)), {}, {"10.12.2026 12:00", ""});
    QByteArray pdf;
    for (auto _ : state) {
        pdf = BuildingReportPdf(report);
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["bytes"] = double(pdf.size());
}

// From the tab's click to the charts drawn: the results brought up to date
// (the windows and the totals computed as their pages do) and the charts
// made and laid out.
void BM_ChartsPageShown(benchmark::State& state) {
    TForm1 form;
    form.show();
    form.CheckBox8->setChecked(true);
    form.CheckBox10->setChecked(true);
    for (auto _ : state) {
        form.PageControl2->setCurrentIndex(0);
        form.PageControl2->setCurrentWidget(form.TabSheet14);
        form.ChartView1->grab();
        form.ChartView2->grab();
    }
}

// A building of 200 rooms, each with south windows, made in the window.
void MakeBuilding(TForm1& form) {
    form.show();
    form.CheckBox8->setChecked(true);
    for (int room = 1; room < 200; ++room) {
        form.AddRoom();
        form.CheckBox8->setChecked(true);
        form.Edit1->setText(QString::number(1 + room % 5));
    }
    form.ShowPage(form.TabSheet15);
}

// Another room selected: its inputs put into the controls, the room list and
// the page shown («Здание») brought up to date.
void BM_RoomSwitchOf200(benchmark::State& state) {
    TForm1 form;
    MakeBuilding(form);
    std::size_t room = 0;
    for (auto _ : state) form.SelectRoom(room++ % 200);
}

// «Здание» shown, nothing changed since.
void BM_BuildingPageOf200(benchmark::State& state) {
    TForm1 form;
    MakeBuilding(form);
    for (auto _ : state) form.TabSheet15Show();
}

// One input of one room changed, then «Здание» shown: that room computed again.
void BM_OneInputThenBuildingPageOf200(benchmark::State& state) {
    TForm1 form;
    MakeBuilding(form);
    int width = 0;
    for (auto _ : state) {
        form.Edit2->setText(QString::number(2 + (width++ % 7)));
        form.TabSheet15Show();
    }
}

}  // namespace

BENCHMARK(BM_RoomSwitchOf200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildingPageOf200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneInputThenBuildingPageOf200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorkbookOfAFullProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PdfReportOfAFullProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartsPageShown)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
