#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <string_view>

#include "ProjectState.h"

class QLabel;
class QPushButton;

// One reference topic of the "Справка" menu: its caption and its pages, the
// picture files in the program's data folder.
struct ReferenceTopicPages {
    int topic;                              // 1..5, the value of ReferenceTopic
    std::string_view caption;               // menu caption
    std::array<std::string_view, 9> pages;  // file names, empty after the last
    int pageCount;
};

// clang-format off
inline constexpr std::array<ReferenceTopicPages, 5> kReferenceTopics{{
    {1, "Характеристики заполнения световых проемов   Котн  ,  Rп   ,   'рo'",
     {"Солнце11.jpg", "Солнце22.jpg", "Солнце33.jpg"}, 3},
    {2, "Сопротивления теплопередаче световых проемов   Rп ,    коэф. ''тау''",
     {"Солнце99.jpg", "Солнце100.jpg", "Солнце105.jpg"}, 3},
    {3, "Теплотехнические характеристики ограждений",
     {"Свойства1.jpg", "Свойства2.jpg", "Свойства3.jpg", "Свойства4.jpg",
      "Свойства5.jpg", "Свойства6.jpg", "Свойства7.jpg", "Свойства8.jpg"}, 8},
    {4, "Температуры tнср и Аtн для городов по Лемарову",   // "t" in "Аtн" is Latin
     {"Аtн1.jpg", "Аtн2.jpg", "Аtн3.jpg", "Аtн4.jpg", "Аtн5.jpg",
      "Аtн6.jpg", "Аtн7.jpg", "Аtн8.jpg", "Аtн9.jpg"}, 9},
    {5, "Расчетные схемы",
     {"Схема1.jpg", "Схема2.jpg", "Схема3.jpg"}, 3},
}};
// clang-format on

// Topic 1..5; anything else has no pages.
const ReferenceTopicPages* ReferenceTopicAt(int topic);
// File name of page 1.. of a topic, empty when the topic has no such page.
QString ReferencePageFile(int topic, int page);

// The folders searched for the page files: the data folder relative to the
// program (../share/solargain), where the pages lie both in the build tree
// and in an installation under any prefix. Never the current directory, so
// pages are found wherever the program is started and after any file dialog.
QStringList ReferencePageFolders();
// The path of a page file in the first folder that has it; empty when none has.
QString FindReferencePage(const QString& fileName);

// The reference viewer "Справочные данные": one page picture at a time with
// "Назад" and "Далее". Modeless; closing only hides it.
class TForm3 : public QWidget {
public:
    // `project` holds the topic and page shown (ReferenceTopic, ReferencePage).
    explicit TForm3(ProjectState& project, QWidget* parent = nullptr);

    // A topic command of the menu: ReferenceTopic := topic, the viewer made
    // visible and brought to the front, starting on page 1 of the topic (also
    // when it was visible already).
    void ShowTopic(int topic);

    // Viewer becomes visible: page 1 of ReferenceTopic, "Назад" off, "Далее"
    // on, ReferencePage := 1. A page that fails to load leaves all of that.
    void FormShow();
    void Button1Click();  // "Назад"
    void Button2Click();  // "Далее"

    // File name of the page shown, empty while the embedded picture is shown.
    QString ShownFile() const { return shownFile_; }

    QLabel* Image1 = nullptr;
    QPushButton* Button1 = nullptr;  // "Назад"
    QPushButton* Button2 = nullptr;  // "Далее"

    // When set, errors are passed here instead of an error box (tests).
    static std::function<void(const QString&)> ErrorSink;
    // When not empty, the only folder searched for pages (tests).
    static QString PageFolderOverride;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Loads page `page` of the current topic; nothing when there is none.
    void LoadPage(int page);
    void ShowPicture(const QImage& picture);
    // Runs a handler; an error ends it and is reported.
    void RunHandler(const std::function<void()>& body);

    ProjectState& Project;
    QString shownFile_;
};
