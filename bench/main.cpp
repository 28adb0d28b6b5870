// Times the program's reading of its lists against the bare engine fetch of the same
// rows. Prints figures only.
//
//   zanderol-bench [rows]             a database file in-process; rows ordinary orders
//                                     (100000 when not given)
//   zanderol-bench --server [rows]    through a Firebird server on loopback, one of the
//                                     tests' own started for the run (20000 orders)
//   zanderol-bench --whitelist [N]    the VAT white list: a flat file of N hashes
//                                     (10000000) imported and checked
//   zanderol-bench --import [count]   KSeF invoices imported into a database file (1000)

#include "FbError.h"
#include "ImportBench.h"
#include "LocalBench.h"
#include "ServerBench.h"
#include "WhitelistBench.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

// The tests' script starts a private server (its own port, configuration and security
// database; the machine's own server is left alone), runs the bench again with the
// variables that name it, and stops it.
[[noreturn]] void rerunWithOwnServer(char **argv)
{
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) {
        std::perror("zanderol-bench: /proc/self/exe");
        std::exit(1);
    }
    self[length] = '\0';
    std::vector<char *> arguments{const_cast<char *>(ZANDEROL_TEST_SERVER_SCRIPT), const_cast<char *>("run"), self};
    for (char **argument = argv + 1; *argument; ++argument)
        arguments.push_back(*argument);
    arguments.push_back(nullptr);
    execv(ZANDEROL_TEST_SERVER_SCRIPT, arguments.data());
    std::perror("zanderol-bench: " ZANDEROL_TEST_SERVER_SCRIPT);
    std::exit(1);
}

}

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], WhitelistImportChild) == 0)
        return RunWhitelistImportChild(argv[2], argv[3]);
    if (argc > 1 && std::strcmp(argv[1], "--whitelist") == 0) {
        QCoreApplication app(argc, argv);
        const long long hashes = argc > 2 ? QString::fromLocal8Bit(argv[2]).toLongLong() : 10000000;
        if (hashes <= 0 || argc > 3) {
            std::fprintf(stderr, "usage: zanderol-bench --whitelist [hashes]\n");
            return 2;
        }
        try {
            return RunWhitelistBench(hashes);
        } catch (const std::exception &error) {
            std::fprintf(stderr, "zanderol-bench: %s\n", error.what());
            return 1;
        }
    }
    const bool server = argc > 1 && std::strcmp(argv[1], "--server") == 0;
    if (server && !ServerGiven())
        rerunWithOwnServer(argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The main window keeps its position on closing; the user's own file stays untouched.
    QStandardPaths::setTestModeEnabled(true);
    const bool import = argc > 1 && std::strcmp(argv[1], "--import") == 0;
    const int countArgument = server || import ? 2 : 1;
    const int count = argc > countArgument ? QString::fromLocal8Bit(argv[countArgument]).toInt()
                      : server             ? 20000
                      : import             ? 1000
                                           : 100000;
    if (count <= 0 || argc > countArgument + 1) {
        std::fprintf(stderr, "usage: zanderol-bench [--server|--import] [rows] | --whitelist [hashes]\n");
        return 2;
    }
    try {
        return server ? RunServerBench(count) : import ? RunImportBench(count) : RunLocalBench(count);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "zanderol-bench: %s\n", error.what());
        return 1;
    }
}
