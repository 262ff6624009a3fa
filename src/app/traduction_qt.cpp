#include "app/traduction_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallerTraductionQt(QCoreApplication &application)
{
    auto *traduction = new QTranslator(&application);
    const QString dossier = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (traduction->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                         dossier)) {
        QCoreApplication::installTranslator(traduction);
        return true;
    }
    delete traduction;
    return false;
}
