#include "qt/desktop/german_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tarvolin {

bool loadGermanTranslation(QCoreApplication& application)
{
    QLocale::setDefault(QLocale{QLocale::German, QLocale::Germany});
    auto* translator = new QTranslator{&application};
    if (!translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace tarvolin
