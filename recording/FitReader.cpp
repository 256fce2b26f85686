#include "FitReader.h"

#include "FitDecoder.h"
#include "FitSports.h"
#include "TrackPoints.h"

namespace kadenzo {
namespace {

// Fields of the record message.
constexpr std::uint8_t kAltitude = 2;  // uint16, metres * 5 + 500
constexpr std::uint8_t kHeartRate = 3;
constexpr std::uint8_t kCadence = 4;
constexpr std::uint8_t kDistance = 5;  // uint32, centimetres
constexpr std::uint8_t kPower = 7;
constexpr std::uint8_t kCompressedSpeedDistance = 8;  // 3 bytes, see CompressedDistance
constexpr std::uint8_t kTemperature = 13;
constexpr std::uint8_t kEnhancedAltitude = 78;  // uint32, same scale as kAltitude

// Fields of the file id, session, sport and activity messages.
constexpr std::uint8_t kFileType = 0;
constexpr std::uint8_t kSerialNumber = 3;
constexpr std::uint8_t kTimeCreated = 4;
constexpr std::uint8_t kSessionSport = 5;
constexpr std::uint8_t kSessionSubSport = 6;
constexpr std::uint8_t kSportSport = 0;
constexpr std::uint8_t kSportSubSport = 1;
constexpr std::uint8_t kLocalTimestamp = 5;

std::optional<std::uint32_t> Whole(const FitMessage& message, std::uint8_t field) {
    std::optional<double> value = message.Value(field);
    if (!value || *value < 0 || *value > 4294967295.0) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

FitFileId FileIdOf(const FitMessage& message) {
    return {Whole(message, kFileType), Whole(message, kSerialNumber), Whole(message, kTimeCreated)};
}

// Collects what the messages other than records say about the activity.
class ActivityFactsReader {
public:
    void Take(const FitMessage& message) {
        switch (message.Global()) {
            case kFitFileIdMessage:
                if (!facts_.fitFileId) facts_.fitFileId = FileIdOf(message);
                break;
            case kFitSession:
                if (++facts_.sessions == 1)
                    session_ = {Whole(message, kSessionSport), Whole(message, kSessionSubSport)};
                break;
            case kFitSport:
                if (!sportMessage_.sport)
                    sportMessage_ = {Whole(message, kSportSport), Whole(message, kSportSubSport)};
                break;
            case kFitActivity:
                if (facts_.localOffset) break;
                if (std::optional<std::uint32_t> local = Whole(message, kLocalTimestamp)) {
                    if (std::optional<std::uint32_t> time = message.Timestamp())
                        facts_.localOffset = static_cast<std::int64_t>(*local) - *time;
                }
                break;
            default:
                break;
        }
    }

    ActivityFacts Facts() const {
        ActivityFacts facts = facts_;
        const Sport& sport = session_.sport ? session_ : sportMessage_;
        // "generic" names no sport, as TCX's "Other" does not.
        if (sport.sport && *sport.sport != 0) {
            facts.sport = FitSportName(*sport.sport);
            if (!facts.sport.empty() && sport.subSport && *sport.subSport != 0)
                facts.subSport = FitSubSportName(*sport.subSport);
        }
        return facts;
    }

private:
    struct Sport {
        std::optional<std::uint32_t> sport;
        std::optional<std::uint32_t> subSport;
    };
    ActivityFacts facts_;
    Sport session_;
    Sport sportMessage_;
};

std::optional<float> Channel(const FitMessage& record, std::uint8_t field) {
    if (std::optional<double> value = record.Value(field)) return static_cast<float>(*value);
    return std::nullopt;
}

std::optional<float> Altitude(const FitMessage& record) {
    std::optional<double> value = record.Value(kEnhancedAltitude);
    if (!value) value = record.Value(kAltitude);
    if (!value) return std::nullopt;
    return static_cast<float>(*value / 5.0 - 500.0);
}

// Older devices send speed and distance packed into three bytes: 12 bits of
// speed, then a 12-bit distance counter in sixteenths of a metre that rolls
// over every 256 m. The counter starts at 0 with the activity.
class CompressedDistance {
public:
    std::optional<double> Metres(const FitMessage& record) {
        std::string_view bytes = record.Bytes(kCompressedSpeedDistance);
        if (bytes.size() < 3) return std::nullopt;
        const unsigned counter = (static_cast<std::uint8_t>(bytes[1]) >> 4) |
                                 (static_cast<unsigned>(static_cast<std::uint8_t>(bytes[2])) << 4);
        sixteenths_ += (counter - last_) & 0xFFF;
        last_ = counter;
        return static_cast<double>(sixteenths_) / 16.0;
    }

private:
    unsigned last_ = 0;
    std::uint64_t sixteenths_ = 0;
};

}  // namespace

LoadResult ReadFit(CRecording& recording, std::string_view bytes,
                   const RecordingReadContext& context) {
    TrackSampleBuilder builder(recording, context);
    CompressedDistance compressed;
    ActivityFactsReader facts;
    bool full = false;
    FitDecodeResult result = DecodeFit(bytes, [&](const FitMessage& record) {
        if (record.Global() != kFitRecord) return facts.Take(record);
        if (full) return;
        // Records make up most of an activity file: room for as many as
        // would fill it.
        if (recording.samples.empty()) builder.Reserve(bytes.size() / (1 + record.Size()));
        std::optional<std::uint32_t> time = record.Timestamp();
        if (!time) return;  // a record that cannot be placed in time
        TrackPoint point;
        point.time = kFitEpoch + *time;
        if (std::optional<double> centimetres = record.Value(kDistance))
            point.distance = *centimetres / 100.0;
        else
            point.distance = compressed.Metres(record);
        point.altitude = Altitude(record);
        point.temperature = Channel(record, kTemperature);
        point.cadence = Channel(record, kCadence);
        point.power = Channel(record, kPower);
        point.heartRate = Channel(record, kHeartRate);
        full = !builder.Add(point);
    });
    auto discard = [&] {
        recording.samples.clear();
        recording.start = context.now;
    };
    switch (result.outcome) {
        case FitOutcome::kNotFit:
            discard();
            return {LoadStatus::kNotRecognised, "is not a FIT file: " + result.detail};
        case FitOutcome::kDamaged:
            discard();
            return {LoadStatus::kDamaged, "is damaged: " + result.detail};
        case FitOutcome::kCutShort:
            recording.activity = facts.Facts();
            return {LoadStatus::kCutShort, "is cut short: " + result.detail};
        case FitOutcome::kComplete:
            break;
    }
    recording.activity = facts.Facts();
    if (recording.samples.empty())
        return {LoadStatus::kNoSamples, "holds no record messages with a time"};
    return {};
}

std::optional<FitFileId> ReadFitFileId(std::string_view head) {
    std::optional<FitFileId> id;
    DecodeFit(head, [&](const FitMessage& message) {
        if (!id && message.Global() == kFitFileIdMessage) id = FileIdOf(message);
    });
    return id;
}

LoadResult LoadFit(CRecording& recording, std::string path, const RecordingReadContext& context) {
    std::optional<std::string> bytes = ReadRecordingFile(path);
    if (!bytes) return {LoadStatus::kCannotOpen, UnreadableFileMessage(path)};
    return ReadFit(recording, *bytes, context);
}

}  // namespace kadenzo
