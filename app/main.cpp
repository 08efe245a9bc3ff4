#include <clocale>

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "AccessibilityGuard.h"
#include "CommandLineFile.h"
#include "FormStyle.h"
#include "MainForm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The toolkit takes the whole C locale from the desktop; numbers written
    // by the C library (into files above all) keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("solargain"));
    QApplication::setApplicationVersion(QStringLiteral(SOLARGAIN_VERSION));

    // Standard dialogs and buttons in Russian.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }
    QApplication::setFont(FormStyle::BaseFont());
    GuardAccessibilityBridge();

    TForm1 form;
    form.show();
    OpenCommandLineFile(form, QApplication::arguments());
    return QApplication::exec();
}
