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
