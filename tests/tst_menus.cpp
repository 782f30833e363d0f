// The menus of the three windows, found and used by their keys, in both languages; About Quarvel; the catalogue
// check in the main window.

#include "version.h"
#include "windowundertest.h"

#include <QtTest>
#include <QtWidgets>

Q_DECLARE_METATYPE(Language)

namespace {

// The menu an access key opens, from the count box (or, while it is locked, the window).
QMenu *openedBy(QWidget *window, Qt::Key key)
{
    QWidget *box = in<QLineEdit>(window, "txbNumber1");
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the window did not become active");
    if (box->isEnabled())
        box->setFocus();
    QTest::keyClick(box->isEnabled() ? box : window, key, Qt::AltModifier);
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

// The entries of the window's menu at that place that can be chosen.
QStringList enabledEntries(QWidget *window, int menu)
{
    QStringList enabled;
    for (const QAction *action : window->findChild<QMenuBar *>()->actions().at(menu)->menu()->actions()) {
        if (action->isEnabled() && !action->isSeparator())
            enabled << action->text();
    }
    return enabled;
}

// The dialog a menu entry opens.
QWidget *openedFrom(QWidget *window, Qt::Key menuKey, int entry, const char *dialog)
{
    QMenu *menu = openedBy(window, menuKey);
    menu->actions().at(entry)->trigger();
    menu->close();
    return openedWindow(dialog);
}

} // namespace

// Stands for the desktop's file manager.
class FileManager : public QObject
{
    Q_OBJECT

public:
    QUrl opened;

public slots:
    void open(const QUrl &url) { opened = url; }
};

class TestMenus : public QObject
{
    Q_OBJECT

private slots:
    // Alt and a menu's access key open it from the count box, in the window's language (the main window's
    // entries are named in enabledEntries); the designed client area keeps its size below the menu bar.
    void menus()
    {
        const WindowUnderTest test(sampleCatalogue, Language::Chinese, "Form2");
        const auto *bar = test.form->findChild<QMenuBar *>();
        QStringList names;
        QStringList found;
        for (const QAction *title : bar->actions()) {
            names << title->menu()->accessibleName();
            const QString key = title->text().section(u'&', 1).left(1);
            QMenu *menu = openedBy(test.form, Qt::Key(QKeySequence(key)[0].key()));
            QCOMPARE(menu, title->menu());
            for (const QAction *action : menu->actions()) {
                if (!action->isSeparator())
                    found << action->text();
            }
            menu->close();
        }
        QCOMPARE(names, (QStringList{"文件(F)", "帮助(H)"}));
        QCOMPARE(found,
                 (QStringList{"复制结果", "另存为 PDF…", "另存为 Excel…", "打印…", "关闭", "说明", "关于 Quarvel"}));
        const QWidget *area = in<QWidget>(test.form, "Frame1")->parentWidget();
        QCOMPARE(area->y(), bar->height());
        QCOMPARE(test.form->height(), bar->height() + area->height());
    }

    // The reports only after a finished calculation; during a reading, only what the design leaves open (the VDI
    // window) and closing.
    void enabledEntries()
    {
        const WindowUnderTest test(sampleCatalogue, Language::English);
        QWidget *main = test.main;
        const QStringList tools{"Query the number of terminals the CPU can load", "VDI", "Server farm planning…",
                                "Check the catalogue…", "Open the program folder"};
        const QStringList plans{"New plan…", "Open plan…", "Open recent"};
        QCOMPARE(::enabledEntries(main, 0), plans + QStringList{"Exit"});
        QCOMPARE(::enabledEntries(main, 1), tools);
        typeInto(main, "30");
        QStringList file, toolsWhileReading, help;
        atPump(1, [&] {
            file = ::enabledEntries(main, 0);
            toolsWhileReading = ::enabledEntries(main, 1);
            help = ::enabledEntries(main, 2);
        });
        clickIn(main, "Command1");
        QCOMPARE(file, plans + QStringList{"Exit"});
        QCOMPARE(toolsWhileReading, (QStringList{"VDI", "Server farm planning…"}));
        QCOMPARE(help, QStringList());
        QCOMPARE(::enabledEntries(main, 0),
                 (plans + QStringList{"Copy result", "Save as PDF…", "Save as Excel…", "Print…", "Exit"}));
        QCOMPARE(::enabledEntries(main, 2), (QStringList{"Description", "About Quarvel"}));
    }

    // The same doors as the buttons: the VDI window disables the main window; Help's description is the help
    // button's; the program folder goes to the desktop's file manager; Exit ends the program as closing does.
    void doors()
    {
        const WindowUnderTest test(sampleCatalogue, Language::English);
        QVERIFY(openedFrom(test.main, Qt::Key_T, 1, "Form3") && !test.main->isEnabled());
        openedWindow("Form3")->close();
        QVERIFY(test.main->isEnabled());
        const MessageBoxCatcher catcher;
        openedFrom(test.main, Qt::Key_H, 0, "");
        QVERIFY(catcher.boxes.value(0).text.startsWith("CPU, select the corresponding CPU according to"));
        QCOMPARE(catcher.boxes.value(0).title, test.main->windowTitle());
        FileManager fileManager;
        QDesktopServices::setUrlHandler("file", &fileManager, "open");
        openedFrom(test.main, Qt::Key_T, 4, "");
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(fileManager.opened, QUrl::fromLocalFile(test.catalogue.folder()));
        openedFrom(test.main, Qt::Key_F, 9, "");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(test.main.isNull());
    }

    void about_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<bool>("provenance");
        QTest::addColumn<QStringList>("lines"); // from the catalogue's records on, without the platform
        QTest::newRow("English, the provenance and details files beside the catalogue")
            << Language::English << true
            << QStringList{"Records: 4 (Intel 2, AMD 1, neither 1)", "Modified: <date>",
                           "Processor details (cores, threads, TDP): known for 1 of 4 records",
                           "Source: PassMark CPU Marks, third-party data (see data-provenance.tsv)",
                           "Language: English (system language 1033)"};
        QTest::newRow("Chinese, neither file") << Language::Chinese << false
                                               << QStringList{"记录：4条（Intel 2条，AMD 1条，两者皆无1条）",
                                                              "修改于：<date>", "CPU细节：没有（data-details.tsv不在）",
                                                              "数据来源：未知", "界面语言：中文（系统语言代码2052）"};
    }
    // For a support request: the version, Qt's, the licence, the catalogue and its source, the language and why,
    // the platform; all of it copied as text.
    void about()
    {
        QFETCH(Language, language);
        QFETCH(bool, provenance);
        QFETCH(QStringList, lines);
        const WindowUnderTest test(sampleCatalogue, language);
        QFile source(QDir(test.catalogue.folder()).filePath("data-provenance.tsv"));
        QVERIFY(!provenance
                || (source.open(QIODevice::WriteOnly) && source.write("model_text\tscore\tpassmark_name\n")));
        source.close();
        if (provenance)
            test.catalogue.addDetails("AMD EPYC 7302\t1\t16\t32\t155\n");
        QWidget *about = openedFrom(test.main, Qt::Key_H, 1, "AboutDialog");
        QVERIFY(about);
        const QString date = QFileInfo(test.catalogue.path()).lastModified().toString("yyyy-MM-dd HH:mm");
        const QStringList shown = textIn(about, "facts").replace(date, "<date>").split(u'\n');
        QCOMPARE(shown.value(0), QStringLiteral("Quarvel ") + QLatin1String(Version::full));
        QCOMPARE(shown.mid(4, lines.size()), lines);
        QVERIFY(shown.constLast().contains(QString::number(QSysInfo::WordSize)));
        QList<QPushButton *> buttons = about->findChildren<QPushButton *>();
        buttons.at(1)->click();
        QCOMPARE(QApplication::clipboard()->text(), textIn(about, "facts"));
        about->close();
    }

    void catalogueCheck_data()
    {
        QTest::addColumn<QByteArray>("catalogue");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("report"); // its first line
        QTest::newRow("sound") << sampleCatalogue << "The catalogue is sound: 4 records"
                               << "records: 4 (Intel 2, AMD 1, neither 1); lines skipped: 0";
        QTest::newRow("a hundred thousand skipped: the first thousand shown")
            << QByteArray("x\r\n").repeated(100000) << "100000 lines would be skipped: see below"
            << "line 1: skipped, no comma: \"x\"";
    }
    // The command line's report under its verdict; checked again after the file changed.
    void catalogueCheck()
    {
        QFETCH(QByteArray, catalogue);
        QFETCH(QString, verdict);
        QFETCH(QString, report);
        const WindowUnderTest test(catalogue, Language::English);
        QWidget *check = openedFrom(test.main, Qt::Key_T, 3, "CatalogueCheckDialog");
        QVERIFY(check);
        QCOMPARE(textIn(check, "verdict"), verdict);
        const QStringList lines = textIn(check, "report").split(u'\n');
        QCOMPARE(lines.value(0), report);
        QVERIFY(lines.size() <= 1001);
        QVERIFY(QFile::remove(test.catalogue.path()));
        check->findChildren<QPushButton *>().at(1)->click();
        QCOMPARE(textIn(check, "verdict"),
                 "The catalogue cannot be found: " + QDir::toNativeSeparators(test.catalogue.path()));
        QCOMPARE(textIn(check, "report"), QString());
        check->close();
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
