#include "HourlyChartView.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

#include "HourlyCharts.h"

namespace {

constexpr const char* kHourAxisTitle = "Время суток, ч";
constexpr const char* kGainAxisTitle = "Теплопоступления, Вт";

// Columns of the windows, the walls and the roof (or of the rooms); the sum.
const QColor kElementColours[] = {QColor(0x4e, 0x79, 0xa7), QColor(0xe1, 0x81, 0x2c), QColor(0x59, 0xa1, 0x4f),
                                  QColor(0x76, 0xb7, 0xb2), QColor(0xed, 0xc9, 0x48), QColor(0xaf, 0x7a, 0xa1),
                                  QColor(0xff, 0x9d, 0xa7), QColor(0x9c, 0x75, 0x5f), QColor(0xba, 0xb0, 0xac)};
const QColor kSumColour(0xb0, 0x1c, 0x2e);
// One colour per orientation С .. СЗ.
const QColor kOrientationColours[] = {QColor(0x1f, 0x4e, 0x9a), QColor(0x17, 0x8f, 0x9c), QColor(0xd6, 0x8a, 0x00),
                                      QColor(0xc4, 0x4e, 0x00), QColor(0xb0, 0x1c, 0x2e), QColor(0x8e, 0x3b, 0x9e),
                                      QColor(0x3b, 0x8e, 0x3b), QColor(0x55, 0x55, 0x55)};

QString Text(const std::string& text) { return QString::fromStdString(text); }

QChart* NewChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont font = chart->titleFont();
    font.setBold(true);
    font.setPointSizeF(10);
    chart->setTitleFont(font);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    return chart;
}

// The hour axis (categories "8-9" .. "17-18") and the gain axis from
// `low` to `high`, both titled, attached to every series of the chart.
void AddAxes(QChart* chart, double low, double high) {
    auto* hours = new QBarCategoryAxis;
    for (const std::string_view label : kHourLabels)
        hours->append(QString::fromUtf8(label.data(), qsizetype(label.size())));
    hours->setTitleText(QString::fromUtf8(kHourAxisTitle));
    auto* gains = new QValueAxis;
    gains->setRange(std::min(0.0, low), high > low ? high : low + 1);
    gains->applyNiceNumbers();
    gains->setLabelFormat(QStringLiteral("%.0f"));
    gains->setTitleText(QString::fromUtf8(kGainAxisTitle));
    chart->addAxis(hours, Qt::AlignBottom);
    chart->addAxis(gains, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(hours);
        series->attachAxis(gains);
    }
}

QLineSeries* LineOf(const HourSeries& series) {
    auto* line = new QLineSeries;
    line->setName(Text(series.Name));
    for (std::size_t h = 0; h < series.Values.size(); ++h) line->append(double(h), series.Values[h]);
    return line;
}

}  // namespace

QChart* MakeTotalsChart(const HourlyCharts& charts) {
    QChart* chart = NewChart(QStringLiteral("Теплопоступления по часам"));
    auto* columns = new QStackedBarSeries;
    double low = 0;
    double high = 0;
    for (std::size_t e = 0; e < charts.Elements.size(); ++e) {
        const HourSeries& element = charts.Elements[e];
        auto* set = new QBarSet(Text(element.Name));
        set->setColor(kElementColours[e % std::size(kElementColours)]);
        set->setBorderColor(set->color().darker(120));
        for (const double value : element.Values) {
            set->append(value);
            low = std::min(low, value);
        }
        columns->append(set);
    }
    chart->addSeries(columns);

    QLineSeries* sum = LineOf(charts.Sum);
    sum->setPen(QPen(kSumColour, 2.5));
    chart->addSeries(sum);
    for (const double value : charts.Sum.Values) high = std::max(high, value);

    // The hour of the largest sum, marked on the line (a day without any
    // gain has none).
    if (!charts.MaxHour) {
        AddAxes(chart, low, high * 1.12);
        return chart;
    }
    auto* maximum = new QScatterSeries;
    const QString marker = QString::fromUtf8(kPeakMarkerText.data(), static_cast<qsizetype>(kPeakMarkerText.size()));
    maximum->setName(marker);
    maximum->setMarkerSize(11);
    maximum->setColor(kSumColour);
    maximum->setBorderColor(Qt::white);
    const int hour = std::clamp(*charts.MaxHour, 1, kHourCount);
    maximum->append(hour - 1, charts.Sum.Values[static_cast<std::size_t>(hour - 1)]);
    maximum->setPointLabelsFormat(marker + QStringLiteral(" @yPoint Вт"));
    maximum->setPointLabelsVisible(true);
    maximum->setPointLabelsClipping(false);
    chart->addSeries(maximum);
    for (QLegendMarker* marker : chart->legend()->markers(maximum)) marker->setVisible(false);

    AddAxes(chart, low, high * 1.12);
    return chart;
}

QChart* MakeWindowsChart(const HourlyCharts& charts) {
    if (charts.Windows.empty()) return NewChart(QStringLiteral("Окна не учитываются"));
    QChart* chart = NewChart(QStringLiteral("Теплопоступления через окна по сторонам света"));
    double low = 0;
    double high = 0;
    for (std::size_t o = 0; o < charts.Windows.size(); ++o) {
        const HourSeries& orientation = charts.Windows[o];
        QLineSeries* line = LineOf(orientation);
        QColor colour = kOrientationColours[o % std::size(kOrientationColours)];
        if (orientation.Emphasised) {
            line->setName(line->name() + QStringLiteral(" (в итоге)"));
            line->setPen(QPen(colour, 3.2));
        } else {
            colour.setAlpha(150);
            line->setPen(QPen(colour, 1.2, Qt::DashLine));
        }
        chart->addSeries(line);
        for (const double value : orientation.Values) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    AddAxes(chart, low, high * 1.08);
    return chart;
}

void PaintChart(QPainter& painter, QChart* chart, const QRectF& target, QSizeF layoutSize) {
    QGraphicsScene scene;
    scene.addItem(chart);
    chart->resize(layoutSize);
    // The chart lays itself out on a posted request; it is done now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (chart->layout() != nullptr) chart->layout()->activate();
    scene.setSceneRect(QRectF(QPointF(0, 0), layoutSize));
    scene.render(&painter, target, scene.sceneRect(), Qt::KeepAspectRatio);
}
