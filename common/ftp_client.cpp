#include "common/ftp_client.h"

#include "common/file_store.h"

#include <QRandomGenerator>
#include <curl/curl.h>

using namespace Qt::StringLiterals;

namespace {

constexpr long kConnectTimeoutMs = 5000;
constexpr long kResponseTimeoutS = 10;
constexpr long kLowSpeedTimeS = 30;
// A temporary upload older than this, by the server's clock, was dropped:
// no upload of a month file takes that long.
constexpr qint64 kLeftoverAgeS = 300;

void InitCurlOnce()
{
    static const bool initialized = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(initialized);
}

QByteArray Escaped(CURL* curl, const QString& segment)
{
    const QByteArray utf8 = segment.toUtf8();
    char* escaped = curl_easy_escape(curl, utf8.constData(), int(utf8.size()));
    QByteArray result(escaped);
    curl_free(escaped);
    return result;
}

size_t Discard(char*, size_t size, size_t count, void*)
{
    return size * count;
}

size_t WriteToFile(char* data, size_t size, size_t count, void* file)
{
    return static_cast<FileStore::AtomicFile*>(file)->write(data, qint64(size * count)) ? size * count : 0;
}

struct UploadSource {
    QByteArray bytes;
    qsizetype position = 0;
};

size_t ReadFromBytes(char* buffer, size_t size, size_t count, void* source)
{
    auto* upload = static_cast<UploadSource*>(source);
    const qsizetype length = qMin(qsizetype(size * count), upload->bytes.size() - upload->position);
    memcpy(buffer, upload->bytes.constData() + upload->position, size_t(length));
    upload->position += length;
    return size_t(length);
}

size_t WriteToBytes(char* data, size_t size, size_t count, void* bytes)
{
    static_cast<QByteArray*>(bytes)->append(data, qsizetype(size * count));
    return size * count;
}

// "type=file;size=12;modify=20230520100001; name"
std::optional<FtpEntry> FromMlsd(QStringView line)
{
    const qsizetype blank = line.indexOf(u' ');
    if (blank < 0)
        return std::nullopt;
    FtpEntry entry;
    entry.name = line.mid(blank + 1).toString();
    for (QStringView fact : line.left(blank).split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = fact.indexOf(u'=');
        const QString key = fact.left(eq).toString().toLower();
        const QStringView value = fact.mid(eq + 1);
        if (key == u"type"_s)
            entry.folder = value.compare(u"dir", Qt::CaseInsensitive) == 0;
        else if (key == u"size"_s)
            entry.size = value.toLongLong();
        else if (key == u"modify"_s)
            entry.modified = QDateTime::fromString(value.left(14).toString(), u"yyyyMMddHHmmss"_s);
    }
    entry.modified.setTimeSpec(Qt::UTC);
    return entry;
}

// "drwxr-xr-x 2 owner group 4096 May 20 10:00 name"
std::optional<FtpEntry> FromList(QStringView line)
{
    const QList<QStringView> parts = line.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() < 9)
        return std::nullopt;
    qsizetype at = 0;
    for (int i = 0; i < 8; ++i) {
        at = line.indexOf(parts.at(i), at) + parts.at(i).size();
    }
    FtpEntry entry;
    entry.name = line.mid(at).trimmed().toString();
    entry.folder = line.startsWith(u'd');
    entry.size = parts.at(4).toLongLong();
    return entry;
}

QList<FtpEntry> Parse(const QByteArray& bytes, bool mlsd)
{
    QList<FtpEntry> entries;
    // Listings come in ASCII mode: lines may end with LF alone.
    const QString text = QString::fromUtf8(bytes).remove(u'\r');
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const std::optional<FtpEntry> entry = mlsd ? FromMlsd(line) : FromList(line);
        if (entry && entry->name != u"."_s && entry->name != u".."_s)
            entries.append(*entry);
    }
    return entries;
}

// Unique per upload, so that two programs saving the same file at once never
// write into the same temporary file.
QString PartName(const QString& fileName)
{
    return u"%1.%2.part"_s.arg(fileName, QString::number(QRandomGenerator::global()->generate64(), 36));
}

bool IsPartOf(const QString& name, const QString& fileName)
{
    return name.startsWith(fileName + u'.') && name.endsWith(u".part"_s);
}

FtpFailure FailureOf(CURLcode code)
{
    switch (code) {
    case CURLE_OK:
        return FtpFailure::None;
    case CURLE_PEER_FAILED_VERIFICATION:
        return FtpFailure::Certificate;
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_SHUTDOWN_FAILED:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
        return FtpFailure::Tls;
    default:
        return FtpFailure::Other;
    }
}

} // namespace

QString FtpFailureText(FtpFailure failure)
{
    switch (failure) {
    case FtpFailure::Tls:
        return u"Keine verschlüsselte Verbindung zum FTP-Server möglich!"_s;
    case FtpFailure::Certificate:
        return u"Das Zertifikat des FTP-Servers wird nicht anerkannt: es ist nicht vertrauenswürdig "
               u"oder gehört zu einem anderen Server!"_s;
    case FtpFailure::None:
    case FtpFailure::Other:
        break;
    }
    return {};
}

FtpClient::FtpClient(FtpSettings settings) : settings_(std::move(settings))
{
    InitCurlOnce();
}

FtpClient::~FtpClient()
{
    close();
}

bool FtpClient::open()
{
    close();
    curl_ = curl_easy_init();
    return curl_ != nullptr;
}

void FtpClient::close()
{
    if (curl_)
        curl_easy_cleanup(curl_);
    curl_ = nullptr;
}

// Every segment of the folder escaped; a folder starting with "/" is taken
// from the server's root rather than the log-in folder.
QByteArray FtpClient::url(const QString& fileName) const
{
    const QByteArray scheme = settings_.security == FtpSecurity::Implicit ? "ftps://" : "ftp://";
    QByteArray result = scheme + settings_.server.toUtf8() + ':' + QByteArray::number(settings_.port) + '/';
    if (settings_.folder.startsWith(u'/'))
        result += "%2F";
    for (const QString& segment : settings_.folder.split(u'/', Qt::SkipEmptyParts))
        result += Escaped(curl_, segment) + '/';
    return result + Escaped(curl_, fileName);
}

void FtpClient::prepare(const QString& fileName)
{
    curl_easy_reset(curl_);
    const QByteArray address = url(fileName);
    curl_easy_setopt(curl_, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl_, CURLOPT_USERNAME, settings_.user.toUtf8().constData());
    curl_easy_setopt(curl_, CURLOPT_PASSWORD, settings_.password.toUtf8().constData());
    curl_easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl_, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
    curl_easy_setopt(curl_, CURLOPT_SERVER_RESPONSE_TIMEOUT, kResponseTimeoutS);
    curl_easy_setopt(curl_, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl_, CURLOPT_LOW_SPEED_TIME, kLowSpeedTimeS);
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, Discard);
    if (encrypted()) {
        curl_easy_setopt(curl_, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        curl_easy_setopt(curl_, CURLOPT_FTPSSLAUTH, long(CURLFTPAUTH_TLS));
    }
    if (!settings_.caFile.isEmpty())
        curl_easy_setopt(curl_, CURLOPT_CAINFO, settings_.caFile.toLocal8Bit().constData());
}

bool FtpClient::perform()
{
    const CURLcode code = curl_easy_perform(curl_);
    lastFailure_ = FailureOf(code);
    return code == CURLE_OK;
}

bool FtpClient::login()
{
    if (!curl_)
        return false;
    prepare({});
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
    return perform();
}

RemoteFile FtpClient::lookUp(const QString& fileName)
{
    if (!curl_)
        return {};
    prepare(fileName);
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl_, CURLOPT_FILETIME, 1L);
    curl_easy_setopt(curl_, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    const CURLcode code = curl_easy_perform(curl_);
    lastFailure_ = FailureOf(code);
    if (code == CURLE_REMOTE_FILE_NOT_FOUND)
        return { RemoteFile::State::Missing, {} };
    if (code != CURLE_OK)
        return {};
    curl_off_t seconds = -1;
    curl_easy_getinfo(curl_, CURLINFO_FILETIME_T, &seconds);
    const QDateTime modified = seconds >= 0 ? QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC) : QDateTime();
    curl_off_t size = -1;
    curl_easy_getinfo(curl_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &size);
    return { RemoteFile::State::Present, modified, qint64(size) };
}

bool FtpClient::get(const QString& fileName, const QString& localPath)
{
    if (!curl_)
        return false;
    FileStore::AtomicFile file(localPath);
    if (!file.open())
        return false;
    prepare(fileName);
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, WriteToFile);
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &file);
    return perform() && file.commit();
}

bool FtpClient::put(const QString& localPath, const QString& fileName)
{
    const std::optional<QByteArray> bytes = FileStore::ReadBytes(localPath);
    if (!curl_ || !bytes)
        return false;
    const QString partName = PartName(fileName);
    UploadSource source { *bytes };
    prepare(partName);
    curl_easy_setopt(curl_, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl_, CURLOPT_READFUNCTION, ReadFromBytes);
    curl_easy_setopt(curl_, CURLOPT_READDATA, &source);
    curl_easy_setopt(curl_, CURLOPT_INFILESIZE_LARGE, curl_off_t(source.bytes.size()));
    const QByteArray renameFrom = "RNFR " + partName.toUtf8();
    const QByteArray renameTo = "RNTO " + fileName.toUtf8();
    curl_slist* commands = curl_slist_append(nullptr, renameFrom.constData());
    commands = curl_slist_append(commands, renameTo.constData());
    curl_easy_setopt(curl_, CURLOPT_POSTQUOTE, commands);
    const bool stored = perform();
    curl_easy_setopt(curl_, CURLOPT_POSTQUOTE, nullptr);
    curl_slist_free_all(commands);
    if (!stored)
        return false;
    removeLeftovers(fileName);
    return true;
}

// Temporary files of dropped uploads of the same file, judged by the age of
// the file just stored, so that an upload still running elsewhere is spared.
// A failure here leaves a leftover for the next upload and nothing else.
void FtpClient::removeLeftovers(const QString& fileName)
{
    const std::optional<QList<FtpEntry>> entries = list();
    if (!entries)
        return;
    QDateTime stored;
    for (const FtpEntry& entry : *entries) {
        if (entry.name == fileName)
            stored = entry.modified;
    }
    if (!stored.isValid())
        return;
    for (const FtpEntry& entry : *entries) {
        if (!entry.folder && IsPartOf(entry.name, fileName) && entry.modified.isValid()
            && entry.modified.secsTo(stored) > kLeftoverAgeS)
            remove(entry.name);
    }
}

bool FtpClient::remove(const QString& fileName)
{
    prepare({});
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
    const QByteArray command = "DELE " + fileName.toUtf8();
    curl_slist* commands = curl_slist_append(nullptr, command.constData());
    curl_easy_setopt(curl_, CURLOPT_POSTQUOTE, commands);
    const bool removed = perform();
    curl_easy_setopt(curl_, CURLOPT_POSTQUOTE, nullptr);
    curl_slist_free_all(commands);
    return removed;
}

std::optional<QByteArray> FtpClient::listing(const char* command)
{
    QByteArray bytes;
    prepare({});
    curl_easy_setopt(curl_, CURLOPT_CUSTOMREQUEST, command);
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, WriteToBytes);
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &bytes);
    if (!perform())
        return std::nullopt;
    return bytes;
}

std::optional<QList<FtpEntry>> FtpClient::list()
{
    if (!curl_)
        return std::nullopt;
    if (const std::optional<QByteArray> mlsd = listing("MLSD"))
        return Parse(*mlsd, true);
    if (const std::optional<QByteArray> plain = listing("LIST"))
        return Parse(*plain, false);
    return std::nullopt;
}
