// zanderol-guide GUIDE.md GUIDE.html: writes the user guide as a web page for the
// desktop's browser; its pictures are named as in the Markdown and lie beside it.

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: zanderol-guide GUIDE.md GUIDE.html\n");
        return 2;
    }
    QFile markdown(args.at(0));
    if (!markdown.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "zanderol-guide: cannot read %s\n", qPrintable(args.at(0)));
        return 1;
    }
    const QString text = QString::fromUtf8(markdown.readAll());
    QTextDocument guide;
    // The browser's own sans-serif at a reading size, not the small font of a headless run.
    QFont font(QStringLiteral("sans-serif"));
    font.setPointSize(12);
    guide.setDefaultFont(font);
    guide.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
    // The browser's title: the guide's first heading.
    guide.setMetaInformation(QTextDocument::DocumentTitle, text.section(u'\n', 0, 0).remove(QStringLiteral("# ")));
    QFile html(args.at(1));
    if (!html.open(QIODevice::WriteOnly | QIODevice::Truncate) || html.write(guide.toHtml().toUtf8()) < 0) {
        std::fprintf(stderr, "zanderol-guide: cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
