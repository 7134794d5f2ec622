// Devices the simulated world starts with, named in the environment variable SIMHID_DEVICES, so
// the real program can be run on simulated devices without a test driving it (demos and
// screenshots). A comma-separated list of:
//   receiver:<id byte>     a 2.4 GHz receiver whose mouse (id byte, hex) sends a battery report
//                          every 200 ms
//   receiver4k:<id byte>   the same on a 4K receiver
//   cable:<product id>     a cabled mouse (product id, hex)
//   bluetooth:<product id> a paired Bluetooth mouse as the system lists it on HID (vendor 045E,
//                          product id hex); its GATT side is not simulated here
// e.g. SIMHID_DEVICES=receiver:36,cable:FA61
#pragma once

namespace simhid {

// Plugs the devices the environment names, once per process; later calls do nothing.
void ApplyScenarioOnce();

}  // namespace simhid
