// The desktop query behind Export: a default application for a MIME type
// counts only when xdg-mime names one. A stand-in xdg-mime on PATH plays
// the desktop.
#include "platform/desktopapps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestDesktopApps final : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_path;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_path = qgetenv("PATH");
    }
    void cleanup() { qputenv("PATH", m_path); }

    void query_data()
    {
        QTest::addColumn<QString>("script"); // body of xdg-mime; empty: no xdg-mime at all
        QTest::addColumn<bool>("registered");

        QTest::newRow("application named")
            << "[ \"$1 $2 $3\" = 'query default application/vnd.ms-excel' ] && echo calc.desktop" << true;
        QTest::newRow("nothing named") << "exit 0" << false;
        QTest::newRow("blank answer") << "echo '  '" << false;
        QTest::newRow("query fails") << "echo calc.desktop; exit 4" << false;
        QTest::newRow("no xdg-mime") << "" << false;
    }
    void query()
    {
        QFETCH(QString, script);
        QFETCH(bool, registered);
        const QString bin = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
        QVERIFY(QDir().mkpath(bin));
        if (!script.isEmpty()) {
            QFile file(bin + QStringLiteral("/xdg-mime"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n" + script.toUtf8() + "\n");
            file.close();
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        // Only the stand-in's folder and the shell's.
        qputenv("PATH", (bin + QStringLiteral(":/bin:/usr/bin")).toLocal8Bit());
        if (script.isEmpty() && QFile::exists(QStringLiteral("/usr/bin/xdg-mime")))
            QSKIP("this machine has its own xdg-mime");
        QCOMPARE(DesktopApps::hasDefaultApplication(DesktopApps::ExcelMimeType), registered);
    }

    void testHooks()
    {
        QString asked;
        DesktopApps::setQueryForTesting([&asked](const QString &mime) {
            asked = mime;
            return true;
        });
        QStringList opened;
        DesktopApps::setOpenerForTesting([&opened](const QString &path) {
            opened << path;
            return false;
        });
        QVERIFY(DesktopApps::hasDefaultApplication(QStringLiteral("text/plain")));
        QCOMPARE(asked, QStringLiteral("text/plain"));
        QVERIFY(!DesktopApps::openFile(QStringLiteral("/tmp/x.xls")));
        QCOMPARE(opened, QStringList{"/tmp/x.xls"});
        DesktopApps::setQueryForTesting({});
        DesktopApps::setOpenerForTesting({});
    }
};

QTEST_MAIN(TestDesktopApps)
#include "test_desktopapps.moc"
