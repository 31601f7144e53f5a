// The real host for the measurements: real time and the real window, with the sounds of the
// source tree and every random draw fixed, so that each run plays the same way.
#pragma once

#include "platform/RealHost.h"

class MeasuringHost : public RealHost {
public:
    float r = 0.99f;
    QString program_dir() override { return QStringLiteral(MOKUTA_SOURCE_DIR "/assets/sounds"); }
    float random() override { return r; }
};
