#include "Recording.h"

namespace kadenzo {

float RecordingSample::Channel(int c) const {
    switch (c) {
        case kChannelAltitude:
            return altitude;
        case kChannelTemperature:
            return temperature;
        case kChannelCadence:
            return cadence;
        case kChannelReserved3:
            return reserved3;
        case kChannelReserved4:
            return reserved4;
        case kChannelPower:
            return power;
        case kChannelHeartRate:
            return heartRate;
        default:
            return 0.0f;
    }
}

void RecordingSample::SetChannel(int c, float value) {
    switch (c) {
        case kChannelAltitude:
            altitude = value;
            break;
        case kChannelTemperature:
            temperature = value;
            break;
        case kChannelCadence:
            cadence = value;
            break;
        case kChannelReserved3:
            reserved3 = value;
            break;
        case kChannelReserved4:
            reserved4 = value;
            break;
        case kChannelPower:
            power = value;
            break;
        case kChannelHeartRate:
            heartRate = value;
            break;
        default:
            break;
    }
}

}  // namespace kadenzo
