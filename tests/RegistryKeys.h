#pragma once
// The registry keys the tests look into, written out here once for every test and not taken from
// the module's headers, so that the tests hold the module to them.

namespace pelk::test {

// The collection's settings of the user: "BSControl", and a tip's own values.
constexpr char kSettingsKey[] = "SOFTWARE\\Morvex\\Quillobox";
// Where the registry editor keeps its "LastKey".
constexpr char kRegeditKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";

}  // namespace pelk::test
