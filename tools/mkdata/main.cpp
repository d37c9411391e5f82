#include "Generator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the data files of the program folder."));
    parser.addHelpOption();
    const QCommandLineOption rime(QStringLiteral("rime"), QStringLiteral("Folder of the rime dictionaries."),
                                  QStringLiteral("dir"), QStringLiteral("/usr/share/rime-data"));
    const QCommandLineOption doc(QStringLiteral("doc"), QStringLiteral("Folder of the packages' copyright files."),
                                 QStringLiteral("dir"), QStringLiteral("/usr/share/doc"));
    const QCommandLineOption licences(QStringLiteral("licences"), QStringLiteral("Folder of the full licence texts."),
                                      QStringLiteral("dir"), QStringLiteral("/usr/share/common-licenses"));
    const QCommandLineOption text(QStringLiteral("text"), QStringLiteral("Folder of our own texts."),
                                  QStringLiteral("dir"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("The program folder to fill."),
                                 QStringLiteral("dir"));
    parser.addOptions({rime, doc, licences, text, out});
    parser.process(app);
    if (!parser.isSet(text) || !parser.isSet(out)) {
        std::fputs("mkdata: --text and --out are required\n", stderr);
        return 2;
    }

    QElapsedTimer clock;
    clock.start();
    Generator generator({parser.value(rime), parser.value(doc), parser.value(licences), parser.value(text)},
                        parser.value(out));
    const bool ok = generator.run();
    std::fputs(generator.summary().toLocal8Bit().constData(), stdout);
    if (!ok) {
        std::fprintf(stderr, "mkdata: %s\n", generator.error().toLocal8Bit().constData());
        return 1;
    }
    std::fputs(generator.notes().toLocal8Bit().constData(), stdout);
    std::printf("mkdata: %d files generated in %.2f s\n", generator.fileCount(), clock.elapsed() / 1000.0);
    return 0;
}
