#include "DatabasePath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Which Zanderol.ini an installed program reads, and which one a choice of the user
// is written to, for each combination of the three places holding one.
TEST(ConfigLookup, BesideTheExecutableThenTheUsersThenTheMachineWide)
{
    enum Place { None = -1, Beside, User, Machine };
    const struct
    {
        const char *existing; // the places holding a file: b, u, m; d: beside holds a directory of that name
        Place read;
        Place written;
    } cases[] = {
        {"", None, User},
        {"m", Machine, User},
        {"u", User, User},
        {"um", User, User},
        {"b", Beside, Beside},
        {"bm", Beside, Beside},
        {"bum", Beside, Beside},
        {"dm", Machine, User},
    };
    for (const auto &c : cases) {
        QTemporaryDir root;
        QStringList candidates;
        for (const char *place : {"beside", "user", "etc"}) {
            QDir(root.path()).mkdir(QString::fromLatin1(place));
            candidates << QDir(root.path()).filePath(QString::fromLatin1(place) + "/Zanderol.ini");
        }
        const QString text = QString::fromLatin1(c.existing);
        for (int place = Beside; place <= Machine; ++place) {
            if (text.contains(QLatin1Char("bum"[place]))) {
                QFile file(candidates[place]);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write("[Baza]\n");
            }
        }
        if (text.contains(u'd'))
            QDir().mkpath(candidates[Beside]);
        EXPECT_EQ(FindConfigFile(candidates), c.read == None ? QString() : candidates[c.read]) << c.existing;
        EXPECT_EQ(ConfigFileForWriting(candidates), candidates[c.written]) << c.existing;
    }
}
