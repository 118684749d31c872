#include "LinkFrame.h"

#include "ParameterSet.h"

#include <cstring>

LinkFrame LinkFrame::fromReceived(const char *data)
{
    LinkFrame frame;
    std::memcpy(frame.m_bytes.data(), data, wire::kFrameSize);
    return frame;
}

LinkFrame LinkFrame::statusRequest()
{
    LinkFrame frame;
    frame.m_bytes[0] = wire::CMD_STATUS;
    frame.seal();
    return frame;
}

LinkFrame LinkFrame::pageRequest(quint8 command, bool carriesZeros, const ParameterSet &image)
{
    LinkFrame frame;
    frame.m_bytes[0] = command;
    if (!carriesZeros) {
        const int page = command & wire::kPageMask;
        std::memcpy(frame.m_bytes.data() + 1, image.page(page), wire::kFrameDataSize);
    }
    frame.seal();
    return frame;
}
