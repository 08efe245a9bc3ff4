#include "Okna.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include <exception>

#include "CalcError.h"
#include "EmbeddedPage.h"
#include "JpegDecoder.h"
#include "ProjectState.h"

std::function<void(const QString&)> TForm3::ErrorSink;
QString TForm3::PageFolderOverride;

namespace {

constexpr int kClientWidth = 585;
constexpr int kClientHeight = 477;
constexpr int kImageWidth = 586;
constexpr int kImageHeight = 438;

QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

const ReferenceTopicPages* ReferenceTopicAt(int topic) {
    for (const ReferenceTopicPages& t : kReferenceTopics) {
        if (t.topic == topic) return &t;
    }
    return nullptr;
}

QString ReferencePageFile(int topic, int page) {
    const ReferenceTopicPages* t = ReferenceTopicAt(topic);
    if (t == nullptr || page < 1 || page > t->pageCount) return {};
    return FromView(t->pages[static_cast<std::size_t>(page - 1)]);
}

QStringList ReferencePageFolders() {
    if (!TForm3::PageFolderOverride.isEmpty()) return {TForm3::PageFolderOverride};
    return {
        QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(SOLARGAIN_PAGES_FROM_PROGRAM))};
}

QString FindReferencePage(const QString& fileName) {
    for (const QString& folder : ReferencePageFolders()) {
        const QString path = QDir(folder).absoluteFilePath(fileName);
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

TForm3::TForm3(ProjectState& project, QWidget* parent) : QWidget(parent, Qt::Window), Project(project) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Справочные данные"));
    // The picture and the buttons keep their places on a page of their own,
    // which scrolls when the screen is smaller than the viewer.
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Form3Page"));
    page->setFixedSize(kClientWidth, kClientHeight);
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("Form3Area"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    const QSize room = screen()->availableGeometry().size() - QSize(16, 40);  // the window manager's frame
    resize(QSize(kClientWidth, kClientHeight).boundedTo(room));

    Image1 = new QLabel(page);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Страница справочных данных"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setGeometry(0, 0, kImageWidth, kImageHeight);
    try {
        ShowPicture(DecodeJpeg(EmbeddedFirstPage()));
    } catch (const CalcError&) {
        // The embedded picture is made by the build; without it the image stays empty.
    }

    QFont bold = font();
    bold.setBold(true);
    Button1 = new QPushButton(QStringLiteral("Назад"), page);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setToolTip(QStringLiteral("Предыдущая страница"));
    Button2 = new QPushButton(QStringLiteral("Далее"), page);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setToolTip(QStringLiteral("Следующая страница"));
    for (QPushButton* button : {Button1, Button2}) {
        button->setFont(bold);
        button->setCursor(Qt::PointingHandCursor);
        button->resize(89, 25);
    }
    Button1->move(8, kClientHeight - 33);
    Button2->move(kClientWidth - 8 - Button2->width(), kClientHeight - 33);
    Button1->setEnabled(false);

    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
}

void TForm3::ShowTopic(int topic) {
    Project.ReferenceTopic = topic;
    if (isVisible()) {
        // Already open: start the chosen topic on its first page.
        RunHandler([this] { FormShow(); });
    } else {
        show();  // runs FormShow
    }
    raise();
    activateWindow();
}

void TForm3::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) RunHandler([this] { FormShow(); });
}

void TForm3::FormShow() {
    LoadPage(1);
    Button1->setEnabled(false);
    Button2->setEnabled(true);
    Project.ReferencePage = 1;
}

void TForm3::Button2Click() {
    RunHandler([this] {
        Button1->setEnabled(true);
        ++Project.ReferencePage;
        LoadPage(Project.ReferencePage);
        // At or past the last page (past it only after a page failed to load).
        const ReferenceTopicPages* t = ReferenceTopicAt(Project.ReferenceTopic);
        if (t == nullptr || Project.ReferencePage >= t->pageCount) Button2->setEnabled(false);
    });
}

void TForm3::Button1Click() {
    RunHandler([this] {
        Button2->setEnabled(true);
        --Project.ReferencePage;
        LoadPage(Project.ReferencePage);
        if (Project.ReferencePage <= 1) Button1->setEnabled(false);
    });
}

void TForm3::LoadPage(int page) {
    const QString name = ReferencePageFile(Project.ReferenceTopic, page);
    if (name.isEmpty()) return;
    const QString path = FindReferencePage(name);
    if (path.isEmpty()) throw CalcError("Cannot open file " + name.toStdString());
    ShowPicture(DecodeJpegFile(path, name));
    shownFile_ = name;
}

void TForm3::ShowPicture(const QImage& picture) {
    Image1->setPixmap(QPixmap::fromImage(picture));
    // Sized to its picture and centred in the viewer's picture area.
    const int w = picture.width(), h = picture.height();
    Image1->setGeometry(std::max(0, (kImageWidth - w) / 2), std::max(0, (kImageHeight - h) / 2), w, h);
}

void TForm3::RunHandler(const std::function<void()>& body) {
    std::string message;
    try {
        body();
        return;
    } catch (const std::exception& e) {
        message = e.what();
    }
    const QString text = QString::fromStdString(ErrorBoxText(message));
    if (ErrorSink) {
        ErrorSink(text);
    } else {
        QMessageBox::critical(this, QCoreApplication::applicationName(), text);
    }
}
