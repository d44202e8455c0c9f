#include "platform/PictureFile.h"

#include "platform/BmpCodec.h"
#include "platform/GifCodec.h"
#include "platform/HeifCodec.h"
#include "platform/JpegCodec.h"
#include "platform/Orientation.h"
#include "platform/PlainFile.h"
#include "platform/PngCodec.h"
#include "platform/TiffCodec.h"
#include "platform/UserError.h"
#include "platform/WebpCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Pictures are read whole into memory; anything bigger than this is not a picture we can use.
constexpr qint64 largestPictureFile = qint64(1) << 30;

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

UserError cannotOpen(const QString& path, int error) {
    return UserError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, systemReason(error)));
}

UserError cannotCreate(const QString& path, const QString& reason) {
    return UserError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor() {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return descriptor_; }
    bool isOpen() const { return descriptor_ >= 0; }
    // Closing can report a late write failure, so writers close explicitly and check.
    int close() {
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        return result;
    }

  private:
    int descriptor_;
};

QByteArray readWholeFile(const QString& path) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer; it is refused below instead.
    FileDescriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    // A name in another encoding than UTF-8 reaches us with U+FFFD for its odd bytes, and no file
    // has that name.
    if (!file.isOpen() && errno == ENOENT && path.contains(QChar::ReplacementCharacter))
        throw UserError(QStringLiteral("Cannot open file \"%1\". Its name is not in UTF-8; rename "
                                       "the file to open it.")
                            .arg(path));
    if (!file.isOpen())
        throw cannotOpen(path, errno);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        throw cannotOpen(path, errno);
    if (S_ISDIR(status.st_mode))
        throw cannotOpen(path, EISDIR);
    if (!S_ISREG(status.st_mode))
        throw UserError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, pipeOrDeviceReason()));
    if (status.st_size > largestPictureFile)
        throw cannotOpen(path, EFBIG);
    QByteArray data(static_cast<qsizetype>(status.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t count = ::read(file.get(), data.data() + done, data.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw cannotOpen(path, errno);
        if (count == 0)
            break;
        done += count;
    }
    data.truncate(done);
    return data;
}

void writeAll(const QString& path, const FileDescriptor& file, const QByteArray& data) {
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t count = ::write(file.get(), data.constData() + done, data.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw cannotCreate(path, systemReason(errno));
        done += count;
    }
}

// The file a write replaces: through a symbolic link to what it points at, so that the link
// stays a link. A link that points nowhere is replaced itself.
QByteArray replacedFile(const QByteArray& path) {
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.constData(), resolved) ? QByteArray(resolved) : path;
}

// A new file beside target, under a name no other file has, with the permissions a new file
// gets from the user's umask. Its name goes to temporaryName.
int createBeside(const QByteArray& target, QByteArray& temporaryName) {
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    // Room for the dot and the suffix within the longest name a folder takes.
    const QByteArray name = target.mid(slash + 1).left(200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryName = folder + '.' + name + '.' +
                        QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int descriptor =
            ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

// The new content goes to a file beside the old one and takes its name only once it is all on
// disk, so a write that fails part-way (a full disk, a file size limit) leaves the old file as
// it was and nothing of the new one.
void writeWholeFile(const QString& path, const QByteArray& data) {
    const QByteArray target = replacedFile(QFile::encodeName(path));
    struct stat existing {};
    const bool replacing = ::stat(target.constData(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode))
        throw cannotCreate(path, systemReason(EISDIR));
    if (replacing && !S_ISREG(existing.st_mode))
        throw cannotCreate(path, pipeOrDeviceReason());
    // Renaming would go past a file the user may not write to; writing into it would not.
    if (replacing && ::access(target.constData(), W_OK) != 0)
        throw cannotCreate(path, systemReason(errno));

    QByteArray temporary;
    FileDescriptor file(createBeside(target, temporary));
    if (!file.isOpen())
        throw cannotCreate(path, systemReason(errno));
    bool renamed = false;
    const auto removeTemporary = qScopeGuard([&] {
        if (!renamed)
            ::unlink(temporary.constData());
    });
    if (replacing && ::fchmod(file.get(), existing.st_mode & 0777) != 0)
        throw cannotCreate(path, systemReason(errno));
    writeAll(path, file, data);
    if (::fsync(file.get()) != 0 || file.close() != 0)
        throw cannotCreate(path, systemReason(errno));
    if (::rename(temporary.constData(), target.constData()) != 0)
        throw cannotCreate(path, systemReason(errno));
    renamed = true;
}

// The encoders give nothing for a picture their format cannot hold.
void writeEncoded(const QString& path, const QByteArray& data, const QString& kind) {
    if (data.isEmpty())
        throw cannotCreate(
            path, QStringLiteral("The picture is empty or too large for a %1 file.").arg(kind));
    writeWholeFile(path, data);
}

enum class Format { None, Bmp, Jpeg, Png, Heif, Webp, Tiff, Gif };

// What the file's first bytes say it is.
Format formatByContent(const QByteArray& data) {
    if (data.startsWith("BM"))
        return Format::Bmp;
    if (data.startsWith("\xFF\xD8\xFF"))
        return Format::Jpeg;
    if (isPng(data))
        return Format::Png;
    if (!heifKind(data).isEmpty())
        return Format::Heif;
    if (isWebp(data))
        return Format::Webp;
    if (isTiff(data))
        return Format::Tiff;
    if (isGif(data))
        return Format::Gif;
    return Format::None;
}

// The name only counts when the content is no known kind, so that a damaged JPEG is reported by
// the JPEG decoder. Only the file's own name counts, not its folders; anything else is taken for
// a bitmap, as it always was.
Format formatByName(const QString& path) {
    const QString name = QFileInfo(path).fileName().toLower();
    const QString suffix = QFileInfo(name).suffix();
    if (suffix == QLatin1String("heic") || suffix == QLatin1String("heif") ||
        suffix == QLatin1String("avif"))
        return Format::Heif;
    if (suffix == QLatin1String("webp"))
        return Format::Webp;
    if (suffix == QLatin1String("tif") || suffix == QLatin1String("tiff"))
        return Format::Tiff;
    if (suffix == QLatin1String("gif"))
        return Format::Gif;
    if (name.contains(QStringLiteral(".jp")))
        return Format::Jpeg;
    return Format::Bmp;
}

// Formats people commonly have that this program does not read, told by how their files start,
// so that the user learns what the file is rather than that it is a broken bitmap.
QString unreadFormat(const QByteArray& data) {
    static const struct {
        QByteArrayView start;
        const char* name;
    } formats[] = {
        {"\xFF\x0A", "JPEG XL"},
        {QByteArrayView("\0\0\0\x0CJXL \r\n\x87\n", 12), "JPEG XL"},
        {QByteArrayView("\0\0\0\x0CjP  \r\n\x87\n", 12), "JPEG 2000"},
        {"\xFF\x4F\xFF\x51", "JPEG 2000"},
        {"8BPS", "Photoshop"},
        {QByteArrayView("\0\0\1\0", 4), "icon (ICO)"},
        {"%PDF-", "PDF"},
    };
    for (const auto& format : formats)
        if (data.startsWith(format.start))
            return QLatin1String(format.name);
    const QByteArray opening = data.left(1024).trimmed();
    if (opening.startsWith("<svg") || (opening.startsWith("<?xml") && opening.contains("<svg")))
        return QStringLiteral("SVG");
    return {};
}

UserError unreadFormatError(const QString& path, const QString& format) {
    const bool vowel = QStringLiteral("AEIOU").contains(format.front());
    return UserError(QStringLiteral("\"%1\" is %2 %3 picture; Tilettes reads JPEG, PNG, BMP, HEIC, "
                                    "AVIF, WebP, TIFF and GIF.")
                         .arg(QFileInfo(path).fileName(), vowel ? "an" : "a", format));
}

// Only JPEGs are decoded reduced; every other format is decoded whole.
DecodedPicture wholePicture(const Bitmap& bitmap) {
    return {bitmap, bitmap.width(), bitmap.height()};
}

DecodedPicture storedPicture(const QString& path, const QByteArray& data, int minWidth,
                             int minHeight, int& orientation) {
    Format format = formatByContent(data);
    if (format == Format::None) {
        if (const QString unread = unreadFormat(data); !unread.isEmpty())
            throw unreadFormatError(path, unread);
        format = formatByName(path);
    }
    switch (format) {
    case Format::Jpeg:
        return decodeJpeg(data, minWidth, minHeight, true);
    case Format::Png:
        return wholePicture(decodePng(data, &orientation));
    // libheif applies the file's own rotation and mirror itself.
    case Format::Heif:
        return wholePicture(decodeHeif(data));
    case Format::Webp:
        return wholePicture(decodeWebp(data));
    case Format::Tiff:
        return wholePicture(decodeTiff(data, &orientation));
    case Format::Gif:
        return wholePicture(decodeGif(data));
    default:
        return wholePicture(decodeBmp(data));
    }
}

// Every user of pictures, from the slot square to the batch program, sees them upright: a phone
// photo stored sideways is turned here, once, after decoding. JPEGs, the camera's own, are turned
// by their decoder row by row, which spares a second camera-sized bitmap.
DecodedPicture decodePicture(const QString& path, const QByteArray& data, int minWidth,
                             int minHeight) {
    int orientation = 1;
    DecodedPicture picture = storedPicture(path, data, minWidth, minHeight, orientation);
    picture.bitmap = applyOrientation(picture.bitmap, orientation);
    if (swapsSides(orientation))
        std::swap(picture.fullWidth, picture.fullHeight);
    return picture;
}

} // namespace

namespace {
// The formats read, with the names their files go by: the picture dialog offers them, and a
// file so named counts as a picture even when damaged, so that its decoder can say what is wrong.
struct FormatRead {
    const char* filterName;
    QStringList suffixes;
};
const FormatRead formatsRead[] = {
    {"JPEG Image File", {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe")}},
    {"PNG Image File", {QStringLiteral("png")}},
    {"Bitmaps", {QStringLiteral("bmp")}},
    {"HEIC Image File", {QStringLiteral("heic"), QStringLiteral("heif")}},
    {"AVIF Image File", {QStringLiteral("avif")}},
    {"WebP Image File", {QStringLiteral("webp")}},
    {"TIFF Image File", {QStringLiteral("tif"), QStringLiteral("tiff")}},
    {"GIF Image File", {QStringLiteral("gif")}},
};
} // namespace

Bitmap readPicture(const QString& path) {
    return readPictureReduced(path, INT_MAX, INT_MAX).bitmap;
}

bool isPictureFile(const QString& path) {
    if (isPipeOrDevice(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // HEIF's brands follow its "ftyp" box; they fit in the first few hundred bytes.
    const QByteArray start = file.read(512);
    if (formatByContent(start) != Format::None)
        return true;
    const QString suffix = QFileInfo(path).suffix().toLower();
    return std::any_of(std::begin(formatsRead), std::end(formatsRead),
                       [&](const FormatRead& format) { return format.suffixes.contains(suffix); });
}

QStringList pictureFileFilters() {
    QStringList filters;
    QStringList allPatterns;
    for (const FormatRead& format : formatsRead) {
        QStringList patterns;
        for (const QString& suffix : format.suffixes)
            patterns << QStringLiteral("*.") + suffix;
        filters << QStringLiteral("%1 (%2)").arg(QLatin1String(format.filterName),
                                                 patterns.join(u' '));
        allPatterns << patterns;
    }
    return QStringList{QStringLiteral("All pictures (%1)").arg(allPatterns.join(u' '))} + filters +
           QStringList{QStringLiteral("All files (*)")};
}

// The decoders see only bytes; the user needs to know which of the sheet's files is broken.
DecodedPicture readPictureReduced(const QString& path, int minWidth, int minHeight) {
    const QByteArray data = readWholeFile(path);
    try {
        return decodePicture(path, data, minWidth, minHeight);
    } catch (const UserError& error) {
        throw UserError(error.message() + QStringLiteral("\nFile: ") +
                        QDir::toNativeSeparators(path));
    }
}

void writeBitmapFile(const QString& path, const Bitmap& bitmap, int pixelsPerInch) {
    writeEncoded(path, encodeBmp(bitmap, pixelsPerInch), QStringLiteral("bitmap"));
}

void writePngFile(const QString& path, const Bitmap& bitmap, int pixelsPerInch) {
    writeEncoded(path, encodePng(bitmap, pixelsPerInch), QStringLiteral("PNG"));
}

void writeJpegFile(const QString& path, const Bitmap& bitmap, int quality, int pixelsPerInch) {
    if (bitmap.isEmpty())
        throw cannotCreate(path, QStringLiteral("The picture is empty."));
    writeWholeFile(path, encodeJpeg(bitmap, quality, pixelsPerInch));
}
