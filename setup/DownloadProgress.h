#pragma once

#include <cstdint>

// When the download advances the feature banners: each time the received
// share, in whole percent (truncated), lands exactly on 33 or on 66, once per
// mark. A read that jumps over a mark advances nothing there.
class BannerMarks
{
public:
    // True when this read should advance the banners.
    bool Passed(int64_t received, int64_t length)
    {
        if (length <= 0)
            return false; // nothing to measure against (an empty package)
        const int64_t percent = received * 100 / length;
        if ((percent == 33 || percent == 66) && percent != m_nLastPercent) {
            m_nLastPercent = static_cast<int>(percent);
            return true;
        }
        return false;
    }

private:
    int m_nLastPercent = -1;
};
