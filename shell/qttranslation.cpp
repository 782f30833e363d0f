#include "qttranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

void QtTranslation::apply(Language language, const QString &applicationFolder)
{
    static QTranslator *chinese = nullptr;
    if (language == Language::English) {
        if (chinese)
            QCoreApplication::removeTranslator(chinese);
        return;
    }
    if (!chinese) {
        chinese = new QTranslator(QCoreApplication::instance());
        const QString name = QStringLiteral("qtbase_zh_CN");
        if (!chinese->load(name, QDir(applicationFolder).filePath(QStringLiteral("translations"))))
            (void)chinese->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    if (!chinese->isEmpty())
        QCoreApplication::installTranslator(chinese);
}
