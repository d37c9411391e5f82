#pragma once

#include "Charset.h"
#include "OutputFolder.h"
#include "RimeDictionary.h"

#include <QString>

// Writes every shipped data file of the program folder.
class Generator
{
public:
    struct Sources
    {
        QString rimeFolder;     // the installed rime dictionaries
        QString docFolder;      // their Debian copyright files, one folder per package
        QString licenceFolder;  // the full licence texts the copyright files refer to
        QString textFolder;     // our own texts, UTF-8
    };

    // How many words of each length the word lists keep: the common ones, not the whole dictionary.
    static constexpr int CommonWords[3] = {3000, 1000, 1000};

    Generator(const Sources &sources, const QString &programFolder);

    bool run();
    const QString &error() const { return m_error; }
    QString summary() const { return m_out.summary(); }
    int fileCount() const { return m_out.fileCount(); }
    const QString &notes() const { return m_notes; }

private:
    bool loadDictionary(RimeDictionary &dictionary, const QString &name);
    bool writeTables();
    bool writeLicence(const QString &relative, const QString &dictionaryName, const QString &package,
                      const RimeDictionary &dictionary);
    bool writeMedia();
    bool fail(const QString &message);

    Sources m_sources;
    OutputFolder m_out;
    Charset m_charset;
    QString m_error;
    QString m_notes;
};
