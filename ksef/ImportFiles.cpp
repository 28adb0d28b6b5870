#include "ImportFiles.h"

#include "Invoice.h"
#include "ZipEntries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

// No invoice comes near it; a larger file is refused before it fills the memory.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
const QString MetadataName = QStringLiteral("_metadata.json");

bool isXml(const QString &name) { return name.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive); }
bool isMetadata(const QString &name) { return QFileInfo(name).fileName() == MetadataName; }
bool zipWanted(const QString &name) { return isXml(name) || isMetadata(name); }

bool isZip(const QString &path) { return path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive); }

// The bytes of a file, or why they cannot be read.
std::variant<QByteArray, QString> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("nie można odczytać pliku %1: %2").arg(path, file.errorString());
    if (file.size() > MaxFileBytes)
        return QStringLiteral("plik %1 jest większy niż %2 MB").arg(path).arg(MaxFileBytes / (1024 * 1024));
    return file.readAll();
}

class Reader
{
public:
    ImportFiles files;

    std::optional<QString> add(const QString &path)
    {
        const QFileInfo info(path);
        if (info.isDir())
            return addFolder(path);
        if (!info.exists())
            return QStringLiteral("plik %1 nie istnieje").arg(path);
        if (isZip(path))
            return addZip(path);
        auto bytes = readFile(path);
        if (const QString *error = std::get_if<QString>(&bytes))
            return *error;
        const auto numbers = folderNumbers(info.absolutePath());
        // A receipt or the metadata named on its own is already among its folder's sources.
        if (isMetadata(path) || IsReceipt(std::get<QByteArray>(bytes)))
            return std::nullopt;
        files.invoices.append({path, info.fileName(), std::get<QByteArray>(bytes), QString(), numbers});
        return std::nullopt;
    }

private:
    std::optional<QString> addFolder(const QString &path)
    {
        if (!QDir(path).isReadable())
            return QStringLiteral("nie można odczytać folderu %1").arg(path);
        scanFolder(QFileInfo(path).absoluteFilePath(), &files.invoices);
        return std::nullopt;
    }

    std::optional<QString> addZip(const QString &path)
    {
        auto read = ReadZipEntries(path, zipWanted, MaxFileBytes);
        if (const QString *error = std::get_if<QString>(&read))
            return *error;
        const auto &entries = std::get<QList<ZipEntry>>(read);
        auto numbers = std::make_shared<KsefNumberSources>();
        QList<const ZipEntry *> invoices;
        for (const ZipEntry &entry : entries) {
            if (isMetadata(entry.name))
                takeMetadata(*numbers, entry.bytes, path + u':' + entry.name);
            else if (IsReceipt(entry.bytes))
                takeReceipt(*numbers, entry.bytes, path + u':' + entry.name);
            else
                invoices << &entry;
        }
        for (const ZipEntry *entry : invoices)
            files.invoices.append(
                {path + u':' + entry->name, QFileInfo(entry->name).fileName(), entry->bytes, QString(), numbers});
        return std::nullopt;
    }

    static QFileInfoList xmlFiles(const QString &folder)
    {
        QFileInfoList found;
        for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files | QDir::Readable, QDir::Name))
            if (isXml(file.fileName()))
                found << file;
        return found;
    }

    // The numbers of one folder, read once however many of its files are named; its
    // invoices go to the list when one is given.
    std::shared_ptr<const KsefNumberSources> folderNumbers(const QString &folder)
    {
        if (const auto known = byFolder_.constFind(folder); known != byFolder_.constEnd())
            return *known;
        return scanFolder(folder, nullptr);
    }

    std::shared_ptr<const KsefNumberSources> scanFolder(const QString &folder, QList<InvoiceFile> *invoices)
    {
        auto numbers = std::make_shared<KsefNumberSources>();
        const QString metadata = QDir(folder).filePath(MetadataName);
        if (QFileInfo::exists(metadata)) {
            const auto bytes = readFile(metadata);
            if (const QString *error = std::get_if<QString>(&bytes))
                files.warnings << *error;
            else
                takeMetadata(*numbers, std::get<QByteArray>(bytes), metadata);
        }
        QList<InvoiceFile> found;
        for (const QFileInfo &file : xmlFiles(folder)) {
            auto bytes = readFile(file.filePath());
            if (const QString *error = std::get_if<QString>(&bytes))
                found.append({file.filePath(), file.fileName(), {}, *error, numbers});
            else if (IsReceipt(std::get<QByteArray>(bytes)))
                takeReceipt(*numbers, std::get<QByteArray>(bytes), file.filePath());
            else if (invoices)
                found.append({file.filePath(), file.fileName(), std::get<QByteArray>(bytes), QString(), numbers});
        }
        if (invoices)
            *invoices += found;
        byFolder_.insert(folder, numbers);
        return numbers;
    }

    void takeMetadata(KsefNumberSources &numbers, const QByteArray &bytes, const QString &name)
    {
        if (!numbers.addMetadata(bytes))
            files.warnings << QStringLiteral("plik %1 nie jest czytelnym opisem paczki KSeF").arg(name);
    }

    void takeReceipt(KsefNumberSources &numbers, const QByteArray &bytes, const QString &name)
    {
        if (!numbers.addReceipt(bytes))
            files.warnings << QStringLiteral("potwierdzenie %1 jest nieczytelne").arg(name);
    }

    QHash<QString, std::shared_ptr<const KsefNumberSources>> byFolder_;
};

}

std::variant<ImportFiles, QString> ReadImportPaths(const QStringList &paths)
{
    Reader reader;
    for (const QString &path : paths)
        if (const auto error = reader.add(path))
            return *error;
    return reader.files;
}
