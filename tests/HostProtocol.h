#pragma once
// What a host of the collection knows of a tip: the name of the window message they share, the
// codes that travel in its wParam, and the Windows versions as the host numbers them (OsType) and
// as bits of ValidOsMask. Written out here once for every test, and not taken from the module's
// headers, so that the tests hold the module to the protocol.

namespace pelk {

// The registered window message of the host and the pages.
constexpr char kHostMessageName[] = "Morvex";

// The host's command to show the page and bring it to the front. The page broadcasts the same
// code, with the value 0, to switch windows to itself.
constexpr unsigned kShowCode = 200;
// The page's broadcast once its OK step ran; the value is the pending action (1 restore the
// defaults, 2 apply).
constexpr unsigned kOkCode = 9999;

// A version's OsType and its bit in ValidOsMask.
constexpr int kOsTypeNt = 10;
constexpr int kOsTypeXp = 13;
constexpr int kNtBit = 0x200;
constexpr int k2000Bit = 0x400;
constexpr int kMeBit = 0x800;
constexpr int kXpBit = 0x1000;
// Every version that has a name, Windows 98 (bit 0) to Windows XP (bit 12).
constexpr int kEveryNamedVersion = 0x1FFF;

}  // namespace pelk
