#include "DataFolder.h"

#include "CampaignJournal.h"
#include "RecordFiles.h"

#include <QDir>
#include <QFileInfo>
#include <cstdint>

namespace {
const char* const kSetUpWords[] = {"AereiSetUp", "AeroPortoSetUp", "BaseSetUp",
                                   "NaviSetUp",  "PortoSetUp",     "PuntiSetUp"};
const char* const kStackWords[] = {"NaviAlle.dat",  "NaviAsse.dat",      "AereiAlle.dat",
                                   "AereiAsse.dat", "NomeAereiAlle.dat", "NomeAereiAsse.dat",
                                   "DatiBasi.dat",  "eventigioco.dat"};
const char* const kRecordWords[] = {"Contatto.dat", "Attivita.dat", "mine.dat", "lostship.dat"};
constexpr int kCarriers = 12;

void closeByRule(int channel, CloseRule rule) {
    if (rule == CloseRule::AllChannels)
        G().Files.closeAll();
    else
        G().Files.close(channel);
}
} // namespace

void buildPathGlobals() {
    Globals& g = G();
    g.AppPath = platform::appFolder();
    g.DataPath = g.AppPath + "\\Data";
    g.PathNaviAlle = g.DataPath + "\\giochi\\NaviAlle";
    g.PathNaviAsse = g.DataPath + "\\giochi\\NaviAsse";
    g.GamesPath = g.DataPath + "\\giochi\\";
    g.SlotFilePath = g.DataPath + "\\giochi\\NomeGiochi.txt";
    g.CoordXPath = g.DataPath + "\\coobasiX.txt";
    g.CoordYPath = g.DataPath + "\\coobasiY.txt";
    g.StackPrefix = g.AppPath + "\\Data\\giochi\\Stack";
}

void makeDataFolders() {
    // The group text folder is emptied by deleting its files, so it ships as no folder at all and
    // is made here.
    platform::makeFolder(G().GamesPath);
    platform::makeFolder(G().DataPath + "\\gntext");
}

QString stackFile(const QString& word) {
    return campaignPath("Stack" + G().CampaignName + word);
}

bool isSafeCampaignName(const QString& name) {
    if (name.size() < kCampaignNameMin || name.size() > kCampaignNameMax) return false;
    for (QChar c : name)
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))) return false;
    return true;
}

QString campaignPath(const QString& fileName, const QString& campaign) {
    const Globals& g = G();
    const QString name = campaign.isNull() ? g.CampaignName : campaign;
    if (!isSafeCampaignName(name))
        throw platform::FileError(
            QStringLiteral("Nome di gioco non valido: \"%1\" (solo lettere, da %2 a %3).")
                .arg(name)
                .arg(kCampaignNameMin)
                .arg(kCampaignNameMax),
            fileName);
    // The file must lie directly in the campaign folder, whatever a name read from a file holds.
    const QString folder = QDir::cleanPath(QString(g.GamesPath).replace(u'\\', u'/'));
    const QString path = QDir::cleanPath(folder + u'/' + QString(fileName).replace(u'\\', u'/'));
    if (fileName.isEmpty() || fileName.contains(u'/') || fileName.contains(u'\\') ||
        fileName.contains(QChar(0)) || fileName == "." || fileName == ".." ||
        QFileInfo(path).path() != folder)
        throw platform::FileError(
            QStringLiteral("Il file \"%1\" sarebbe fuori dalla cartella dei giochi: non viene usato.")
                .arg(fileName),
            fileName);
    return g.GamesPath + fileName;
}

QStringList campaignFileNames(const QString& name) {
    QStringList files;
    files << name + ".Stp";
    for (const char* w : kSetUpWords) files << QString::fromLatin1(w) + name + ".txt";
    for (const char* w : kStackWords) files << "Stack" + name + QString::fromLatin1(w);
    files << "NaviAlle" + name + ".dat"
          << "NaviAsse" + name + ".dat";
    for (const char* w : kRecordWords) files << name + QString::fromLatin1(w);
    for (int b = 1; b <= kBases; ++b)
        if (!G().BaseNames[b].isEmpty()) files << baseAircraftFileName(b, name);
    for (int n = 1; n <= kCarriers; ++n) files << carrierCode(n) + name + ".dat";
    return files;
}

bool deleteCampaignFiles(const QString& name) {
    if (!isSafeCampaignName(name)) return false;
    // A journal left behind would otherwise be rolled back over a new campaign of the same name.
    const QStringList files = campaignFileNames(name) << journalFileName(name);
    for (const QString& file : files) {
        try {
            platform::deleteFile(campaignPath(file, name));
        } catch (const platform::FileError&) {
            // A base name that cannot be part of a campaign file name names no file of it.
        }
    }
    return true;
}

void ApriFileProva() {
    Globals& g = G();
    const int channel = g.Files.freeChannel();
    try {
        g.Files.openInput(channel, g.ProbePath);
    } catch (const platform::FileError&) {
        return;
    }
    g.Files.closeAll();
    g.ProbePath.clear();
}

void readOnChannel(int channel, const QString& path, CloseRule rule,
                   const std::function<void(platform::TextReader&)>& read) {
    G().Files.openInput(channel, path);
    try {
        read(G().Files.input(channel));
    } catch (...) {
        try {
            closeByRule(channel, rule);
        } catch (...) {
        }
        throw;
    }
    closeByRule(channel, rule);
}

void writeOnChannel(int channel, const QString& path, CloseRule rule,
                    const std::function<void(platform::TextWriter&)>& write) {
    // Built aside first, so that a failure while writing leaves nothing on the channel to commit.
    platform::TextWriter whole;
    write(whole);
    // A file that already holds these bytes is left alone: most saves change one table of several.
    if (platform::fileLength(path) == whole.bytes().size() &&
        platform::readWholeFile(path) == whole.bytes()) {
        G().Files.close(channel);
        closeByRule(channel, rule);
        return;
    }
    G().Files.openOutput(channel, path);
    G().Files.output(channel) = whole;
    closeByRule(channel, rule);
}

namespace {
template <class Cell> Cell readCell(platform::TextReader& r, int line, long long low, long long high) {
    const long long v = r.readWhole();
    try {
        return Cell(v);
    } catch (const platform::RangeError&) {
        const QString where = line > 0 ? QStringLiteral("%1, riga %2").arg(r.path()).arg(line) : r.path();
        throw platform::FileError(
            QStringLiteral("Valore fuori dai limiti nel file %1 (\"%2\"): deve essere tra "
                           "%3 e %4")
                .arg(where)
                .arg(v)
                .arg(low)
                .arg(high),
            r.path());
    }
}
} // namespace

Int16 readWhole16(platform::TextReader& r, int line) {
    return readCell<Int16>(r, line, INT16_MIN, INT16_MAX);
}
Int32 readWhole32(platform::TextReader& r, int line) {
    return readCell<Int32>(r, line, INT32_MIN, INT32_MAX);
}
