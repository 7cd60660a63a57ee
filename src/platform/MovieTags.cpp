#include "platform/MovieTags.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <utility>
#include <vector>

#include <asffile.h>
#include <mp4file.h>
#include <mp4itemfactory.h>
#include <tiostream.h>

#include "platform/ReadOnlyFile.h"
#include "platform/Text.h"

namespace {

std::string Bytes(const TagLib::ByteVector& bytes)
{
    return std::string(bytes.data(), bytes.size());
}

std::string Utf8(const TagLib::String& text)
{
    return text.to8Bit(true);
}

// TagLib reads through this stream on our own handle, which shares
// reading, writing and deleting on Windows (TagLib's FileStream does not
// share deleting) and refuses what is not a regular file. It writes
// nothing, and a read that asks for more than a tag box may hold is not
// made.
class ReadOnlyStream : public TagLib::IOStream {
public:
    ReadOnlyStream(ReadOnlyFile& file, const std::string& path)
        : file_(file), size_(static_cast<TagLib::offset_t>(file.Size())),
#ifdef _WIN32
          name_(Widen(path))
#else
          name_(path)
#endif
    {
    }

    TagLib::FileName name() const override { return name_.c_str(); }

    TagLib::ByteVector readBlock(size_t length) override
    {
        if (length > kMostTagBoxBytes) {
            tooLarge_ = true;
            return {};
        }
        if (position_ >= size_ || length == 0)
            return {};
        length = static_cast<size_t>(std::min<TagLib::offset_t>(static_cast<TagLib::offset_t>(length), size_ - position_));
        // TagLib reads a box's header, steps over it and reads the next: the
        // small reads of one neighbourhood come from one read of the file
        // (each read is a call into the system, under Wine a costly one).
        if (length <= kWindow && !InWindow(length) && !Fill())
            return {};
        TagLib::ByteVector block;
        if (InWindow(length)) {
            block.setData(window_.data() + (position_ - windowAt_), static_cast<unsigned int>(length));
        } else {
            block.resize(static_cast<unsigned int>(length));
            const long long got = Read(position_, block.data(), length);
            if (got < 0)
                return {};
            block.resize(static_cast<unsigned int>(got));
        }
        position_ += block.size();
        return block;
    }
    void writeBlock(const TagLib::ByteVector&) override {}
    void insert(const TagLib::ByteVector&, TagLib::offset_t, size_t) override {}
    void removeBlock(TagLib::offset_t, size_t) override {}
    void truncate(TagLib::offset_t) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override { return file_.IsOpen(); }

    void seek(TagLib::offset_t offset, Position from) override
    {
        const TagLib::offset_t base = from == Beginning ? 0 : from == Current ? position_ : size_;
        position_ = std::max<TagLib::offset_t>(0, base + offset);
    }
    TagLib::offset_t tell() const override { return position_; }
    // The size when the file was opened: a file being copied grows meanwhile.
    TagLib::offset_t length() override { return size_; }

    bool TooLarge() const { return tooLarge_; }
    SystemError Error() const { return error_; }

private:
    static constexpr size_t kWindow = 16 * 1024;

    bool InWindow(size_t length) const
    {
        return position_ >= windowAt_ && position_ + static_cast<TagLib::offset_t>(length) <=
                                             windowAt_ + static_cast<TagLib::offset_t>(window_.size());
    }
    // Reads the window from the position on; false after an error.
    bool Fill()
    {
        window_.resize(kWindow);
        const long long got = Read(position_, window_.data(), kWindow);
        window_.resize(got < 0 ? 0 : static_cast<size_t>(got));
        windowAt_ = position_;
        return got >= 0;
    }
    long long Read(TagLib::offset_t at, char* into, size_t length)
    {
        SystemError error = 0;
        const long long got = file_.ReadAt(static_cast<unsigned long long>(at), into, length, &error);
        if (got < 0)
            error_ = error;
        return got;
    }

    ReadOnlyFile& file_;
    TagLib::offset_t size_ = 0;
    TagLib::offset_t position_ = 0;
    std::vector<char> window_;
    TagLib::offset_t windowAt_ = 0;
    bool tooLarge_ = false;
    SystemError error_ = 0;
#ifdef _WIN32
    std::wstring name_;
#else
    std::string name_;
#endif
};

// Keeps each item of the tag list as the file has it, in the file's order,
// and gives TagLib's own tag nothing: what the items mean is the core's.
class ItemRecorder : public TagLib::MP4::ItemFactory {
public:
    std::pair<TagLib::String, TagLib::MP4::Item> parseItem(const TagLib::MP4::Atom* atom,
                                                            const TagLib::ByteVector& data) const override
    {
        // The stem box of moov/udta comes this way too; it is no tag.
        if (atom->name() == "stem")
            return {};
        Mp4TagItem item;
        item.name = Bytes(atom->name());
        const bool freeForm = atom->name() == "----";
        const TagLib::MP4::AtomDataList boxes = parseData2(atom, data, -1, freeForm);
        auto box = boxes.begin();
        if (freeForm) {
            if (box != boxes.end())
                item.mean = Bytes((box++)->data);
            if (box != boxes.end())
                item.field = Bytes((box++)->data);
        }
        for (; box != boxes.end(); ++box) {
            // TagLib keeps the file's type number in its enum, which may hold
            // a number the enum does not name: its bytes are read, not the enum.
            std::underlying_type_t<TagLib::MP4::AtomDataType> type;
            std::memcpy(&type, &box->type, sizeof type);
            item.values.push_back({static_cast<int>(type), Bytes(box->data)});
        }
        items.push_back(std::move(item));
        return {};
    }

    mutable std::vector<Mp4TagItem> items;
};

const char kAsfHeaderGuid[] = "\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C";

void ReadMp4(ReadOnlyStream& stream, MovieTags& tags)
{
    ItemRecorder recorder;
    TagLib::MP4::File file(&stream, true, TagLib::AudioProperties::Fast, &recorder);
    if (stream.TooLarge() || !file.isValid())
        return;
    tags.outcome = MovieTags::Outcome::Read;
    tags.items = std::move(recorder.items);
    tags.hasItemList = file.hasMP4Tag();
    // TagLib finds the first sound track for its properties; a file without
    // one has none of their figures.
    const TagLib::MP4::Properties* sound = file.audioProperties();
    tags.hasSoundTrack = sound && (sound->lengthInMilliseconds() > 0 || sound->channels() > 0);
}

AsfAttribute AttributeOf(const std::string& name, const TagLib::ASF::Attribute& value)
{
    AsfAttribute attribute;
    attribute.name = name;
    switch (value.type()) {
    case TagLib::ASF::Attribute::UnicodeType:
        attribute.text = Utf8(value.toString());
        break;
    case TagLib::ASF::Attribute::BytesType:
        attribute.kind = AsfAttribute::Kind::Bytes;
        attribute.text = Bytes(value.toByteVector());
        break;
    case TagLib::ASF::Attribute::GuidType:
        attribute.kind = AsfAttribute::Kind::Guid;
        attribute.text = Bytes(value.toByteVector());
        break;
    case TagLib::ASF::Attribute::BoolType:
        attribute.kind = AsfAttribute::Kind::Bool;
        attribute.number = value.toBool();
        break;
    case TagLib::ASF::Attribute::DWordType:
        attribute.kind = AsfAttribute::Kind::DWord;
        attribute.number = value.toUInt();
        break;
    case TagLib::ASF::Attribute::QWordType:
        attribute.kind = AsfAttribute::Kind::QWord;
        attribute.number = value.toULongLong();
        break;
    case TagLib::ASF::Attribute::WordType:
        attribute.kind = AsfAttribute::Kind::Word;
        attribute.number = value.toUShort();
        break;
    }
    return attribute;
}

void ReadAsf(ReadOnlyStream& stream, MovieTags& tags)
{
    TagLib::ASF::File file(&stream, false);
    if (stream.TooLarge() || !file.isValid() || !file.tag())
        return;
    tags.outcome = MovieTags::Outcome::Read;
    const TagLib::ASF::Tag& tag = *file.tag();
    tags.asfTitle = Utf8(tag.title());
    tags.asfDescription = Utf8(tag.comment());
    for (const auto& [name, values] : tag.attributeListMap())
        for (const TagLib::ASF::Attribute& value : values)
            tags.attributes.push_back(AttributeOf(Utf8(name), value));
}

bool BeginsAs(const std::string& head, MovieContainer container)
{
    if (container == MovieContainer::Mp4)
        return head.size() >= 8 && head.compare(4, 4, "ftyp") == 0;
    return head.compare(0, 16, std::string(kAsfHeaderGuid, 16)) == 0;
}

}  // namespace

MovieTags ReadMovieTags(const std::string& path, MovieContainer container)
{
    MovieTags tags;
    ReadOnlyFile file;
    bool notAFile = false;
    if (!file.Open(path, &tags.error, &notAFile)) {
        tags.outcome = notAFile ? MovieTags::Outcome::NotAFile : MovieTags::Outcome::CannotOpen;
        return tags;
    }
    tags.size = file.Size();
    char head[128];
    const long long got = file.ReadAt(0, head, sizeof(head), &tags.error);
    if (got < 0) {
        tags.outcome = MovieTags::Outcome::CannotOpen;
        return tags;
    }
    tags.head.assign(head, static_cast<size_t>(got));
    ReadOnlyStream stream(file, path);
    if (container == MovieContainer::Mp4)
        ReadMp4(stream, tags);
    else
        ReadAsf(stream, tags);
    tags.bytesRead = file.BytesRead();
    if (tags.outcome == MovieTags::Outcome::Read)
        return tags;
    if (stream.Error()) {
        tags.error = stream.Error();
        tags.outcome = MovieTags::Outcome::CannotOpen;
    } else if (stream.TooLarge()) {
        tags.outcome = MovieTags::Outcome::TooLarge;
    } else {
        // An empty file is a copy that has not begun to arrive.
        tags.outcome = tags.size == 0 || BeginsAs(tags.head, container) ? MovieTags::Outcome::Damaged
                                                                          : MovieTags::Outcome::OtherFormat;
    }
    return tags;
}
