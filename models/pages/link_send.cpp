#include "models/pages/link_send.h"

#include "core/devices/device_timing.h"
#include "models/table/model_table.h"
#include "models/data/profile_frames.h"

#include <windows.h>

#include <cwchar>

namespace {

constexpr int kReceiverMacroPieces = 3;  // the 2.4 GHz receiver always takes three pieces

bool IsMacro(const FrameBytes& frame) { return !frame.empty() && frame[0] == kMacroReportId; }

SendResult Result(SendStatus eStatus, int iLastCall) { return SendResult{eStatus, iLastCall}; }

void TraceWirelessSend(int iResult) {
    wchar_t szLine[48];
    _snwprintf(szLine, 47, L"Wireless Send = %d", iResult);
    szLine[47] = L'\0';
    OutputDebugStringW(szLine);
}

SendResult OverCable(LinkPort& port, const FrameBytes& frame) {
    if (!IsMacro(frame)) {
        const bool bTaken = port.CableSetFeature(frame.data(), static_cast<int>(frame.size()));
        return Result(bTaken ? SendStatus::Delivered : SendStatus::Failed, bTaken ? 1 : 0);
    }
    // A macro counts only when the cable took every piece; the mouse has no use for part of one.
    bool bAll = true;
    int iLast = 0;
    for (int iPiece = 0; iPiece < MacroChunkCount(frame); ++iPiece) {
        const MacroChunk chunk = BuildMacroChunk(frame, iPiece, ChunkLink::Cable);
        const bool bTaken = port.CableSetFeature(chunk.data(), static_cast<int>(chunk.size()));
        iLast = bTaken ? 1 : 0;
        bAll = bAll && bTaken;
        if (bTaken && !port.SendPause(Timing().uCableMacroPieceMs)) return Result(SendStatus::Stopped, iLast);
    }
    return Result(bAll ? SendStatus::Delivered : SendStatus::Failed, iLast);
}

SendResult Over4k(LinkPort& port, const HidDevicePtr& hDevice, const FrameBytes& frame) {
    bool bAll = true;
    int iLast = 0;
    for (int iPiece = 0; iPiece < Wireless4kPieceCount(frame); ++iPiece) {
        const Wireless4kFrame report = BuildWireless4kFrame(frame, iPiece);
        iLast = hDevice ? port.Receiver4kWrite(hDevice, report.data(), report.size()) : -1;
        bAll = bAll && iLast > 0;
        if (IsMacro(frame) && !port.SendPause(Timing().uWireless4kMacroPieceMs)) return Result(SendStatus::Stopped, iLast);
    }
    return Result(bAll ? SendStatus::Delivered : SendStatus::Failed, iLast);
}

SendResult OverReceiver(LinkPort& port, const HidDevicePtr& hDevice, const FrameBytes& frame) {
    auto send = [&](const uint8_t* pData, size_t uLength) {
        return hDevice ? port.ReceiverFeature(hDevice, pData, uLength) : -1;
    };
    // One acknowledgement window for the frame: an answer to any attempt of it counts.
    const CAckWindow::Epoch epoch = port.OpenFrameAck();
    int iLast = 0;
    for (unsigned uTry = 0; uTry < Timing().uWirelessTries; ++uTry) {
        if (port.FrameAcknowledged(epoch)) break;
        if (!IsMacro(frame)) {
            iLast = send(frame.data(), frame.size());
            TraceWirelessSend(iLast);
            if (!port.SendPause(Timing().uWirelessTryPauseMs)) return Result(SendStatus::Stopped, iLast);
            continue;
        }
        for (int iPiece = 0; iPiece < kReceiverMacroPieces; ++iPiece) {
            const MacroChunk chunk = BuildMacroChunk(frame, iPiece, ChunkLink::Receiver);
            iLast = send(chunk.data(), chunk.size());
            if (!port.SendPause(Timing().uWirelessMacroPieceMs)) return Result(SendStatus::Stopped, iLast);
        }
    }
    return Result(port.FrameAcknowledged(epoch) ? SendStatus::Delivered : SendStatus::Failed, iLast);
}

SendResult OverBle(LinkPort& port, const FrameBytes& frame) {
    // The mouse keeps its polling rate over Bluetooth LE: the rate frame is not for this link.
    if (!frame.empty() && frame[0] == kRateReportId) return Result(SendStatus::Skipped, 0);
    const bool bTaken = port.BleWrite(frame.data(), static_cast<int>(frame.size()));
    return Result(bTaken ? SendStatus::Delivered : SendStatus::Failed, bTaken ? 1 : 0);
}

}  // namespace

SendPolicy SendPolicyOf(const ModelInfo& info) {
    SendPolicy policy;
    policy.bPauseAfterEveryCall = info.iGeneration >= 2;
    policy.bUses4k = info.Has4k();
    policy.bUsesBle = info.HasBle();
    return policy;
}

SendResult SendFrame(LinkPort& port, const SendPolicy& policy, const FrameBytes& frame) {
    SendResult result;
    if (frame.empty()) return result;
    const LinkSnapshot links = port.SendLinks();
    bool bDone = false;
    if (links.bCable) {
        result = OverCable(port, frame);
        // A refused frame is not retried elsewhere; a macro the cable did not take whole is.
        bDone = !IsMacro(frame) || result.eStatus != SendStatus::Failed;
    }
    if (!bDone && policy.bUses4k && links.bWireless4k) {
        result = Over4k(port, links.hWireless4kDevice, frame);
        bDone = true;
    }
    if (!bDone && links.bWireless) {
        result = OverReceiver(port, links.hWirelessDevice, frame);
        bDone = true;
    }
    if (!bDone && policy.bUsesBle && links.bBle) result = OverBle(port, frame);

    if (result.eStatus == SendStatus::Stopped) return result;
    if (policy.bPauseAfterEveryCall || result.iLastCall != 0) {
        if (!port.SendPause(Timing().uFramePauseMs)) result.eStatus = SendStatus::Stopped;
    }
    return result;
}
