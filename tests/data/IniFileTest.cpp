#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The database name as the Windows profile functions would read it from Zanderol.ini.
TEST(IniFile, ReadsTheValueAsTheProfileFunctionsDo)
{
    const struct
    {
        const char *text;
        const char *value;
    } cases[] = {
        {"[Baza]\nPlik=C:\\Dane\\ZANDEROL.DAT\n", "C:\\Dane\\ZANDEROL.DAT"},
        {"[baza]\r\n plik = serwer:/srv/zanderol.fdb \r\n", "serwer:/srv/zanderol.fdb"},
        {"[Baza]\nPlik=\"C:\\Program Files\\Zanderol\\ZANDEROL.DAT\"\n", "C:\\Program Files\\Zanderol\\ZANDEROL.DAT"},
        {"[Baza]\nPlik='dane.fdb'\n", "dane.fdb"},
        {"[Baza]\nPlik=\"niedomknięty\n", "\"niedomknięty"},
        {"[Baza]\nPlik=\"\"\n", ""},
        {"[Baza]\nPlik=pierwsza.fdb\n[Baza]\nPlik=druga.fdb\n", "pierwsza.fdb"},
        {"[Baza]\nInny=1\n[Form]\nTop=0\n[Baza]\nPlik=druga.fdb\n", ""},
        {"[Form]\nPlik=okno.fdb\n[Baza]\n;Plik=komentarz.fdb\nPlik=baza.fdb\n", "baza.fdb"},
    };
    QTemporaryDir directory;
    const QString path = QDir(directory.path()).filePath("Zanderol.ini");
    for (const auto &c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.text);
        file.close();
        EXPECT_EQ(ReadIniValue(path, "Baza", "Plik"), QString::fromUtf8(c.value)) << c.text;
    }
}

// A setting written into a file the user (or Windows) may have edited: every other
// line stays, and the value reads back.
TEST(IniFile, WritingAValueKeepsTheRestOfTheFile)
{
    const struct
    {
        const char *before; // nullptr: no file yet
        const char *after;
    } cases[] = {
        {nullptr, "[Baza]\nPlik=nowa.fdb\n"},
        {"", "[Baza]\nPlik=nowa.fdb\n"},
        {"[Form]\nTop=5\n", "[Form]\nTop=5\n[Baza]\nPlik=nowa.fdb\n"},
        {"[baza]\n plik = stara.fdb \n[Form]\nTop=5\n", "[baza]\nPlik=nowa.fdb\n[Form]\nTop=5\n"},
        {"[Baza]\n;Plik=komentarz.fdb\nInny=1\n\n[Form]\nTop=5\n", "[Baza]\n;Plik=komentarz.fdb\nInny=1\nPlik=nowa.fdb\n\n[Form]\nTop=5\n"},
        {"[Baza]\nInny=1\n[Baza]\nPlik=druga.fdb\n", "[Baza]\nInny=1\nPlik=nowa.fdb\n[Baza]\nPlik=druga.fdb\n"},
        {"[Baza]\r\nPlik=C:\\STARA.DAT\r\nUwagi=bez końca linii", "[Baza]\r\nPlik=nowa.fdb\r\nUwagi=bez końca linii\r\n"},
        {"[Form]\nPlik=okno.fdb\n", "[Form]\nPlik=okno.fdb\n[Baza]\nPlik=nowa.fdb\n"},
    };
    QTemporaryDir directory;
    const QString path = QDir(directory.path()).filePath("Zanderol.ini");
    for (const auto &c : cases) {
        QFile::remove(path);
        if (c.before) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.before);
        }
        EXPECT_EQ(WriteIniValue(path, "Baza", "Plik", "nowa.fdb"), QString()) << (c.before ? c.before : "(no file)");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(file.readAll()), QString::fromUtf8(c.after)) << (c.before ? c.before : "(no file)");
        EXPECT_EQ(ReadIniValue(path, "Baza", "Plik"), "nowa.fdb") << (c.before ? c.before : "(no file)");
    }
}
