// Control interface of the simulated hidapi.dll that the tests run against. The DLL has the
// same file name and hidapi exports as the real one, so the program and the driver libraries
// run unchanged on a world of simulated HID interfaces that tests plug, unplug and inspect.
#pragma once

#include <stddef.h>
#include <wchar.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(SIMHID_BUILD)
#define SIMHID_API __declspec(dllexport)
#else
#define SIMHID_API __declspec(dllimport)
#endif

// One HID interface (top-level collection) as hid_enumerate reports it.
typedef struct SimHidInterface {
    const char* path;
    unsigned short vendor_id;
    unsigned short product_id;
    unsigned short usage_page;
    unsigned short usage;
    unsigned short release_number;
    int interface_number;
    const wchar_t* manufacturer;
    const wchar_t* product;
    const wchar_t* serial;
} SimHidInterface;

enum SimHidReportKind { SIMHID_FEATURE = 0, SIMHID_OUTPUT = 1 };

// Faults, as flags for simhid_set_faults.
enum SimHidFault {
    SIMHID_FAULT_OPEN = 1,   // hid_open_path fails
    SIMHID_FAULT_WRITE = 2,  // feature and output reports fail (-1), nothing is logged
    SIMHID_FAULT_READ = 4,   // reads fail (-1)
};

// A report written by the code under test, in the order written across all interfaces.
typedef struct SimHidWrite {
    int interface_id;
    int kind;            // SimHidReportKind
    int length;          // bytes the caller passed
    unsigned long long sequence;
} SimHidWrite;

// Empties the world: every interface, log, fault and rule, the overlap count and the pause;
// hid_init succeeds again.
SIMHID_API void simhid_reset(void);
// Result hid_init gives from now on (0 success, -1 failure, as under Wine).
SIMHID_API void simhid_set_init_result(int result);
SIMHID_API int simhid_init_calls(void);
// hid_enumerate calls since the last reset.
SIMHID_API int simhid_enumerate_calls(void);

// hidapi's hid_init, hid_exit, hid_enumerate, hid_free_enumeration, hid_open and hid_open_path
// share state without a lock: callers must take turns. How many of those calls began while
// another thread was inside one of them, since the last reset.
SIMHID_API int simhid_overlapping_calls(void);
// A pause inside each of those calls (0: none), so callers that do not take turns overlap.
SIMHID_API void simhid_set_unsafe_call_pause(unsigned milliseconds);

// Plugs an interface; returns its id (> 0), or 0 when the path is already present.
SIMHID_API int simhid_plug(const SimHidInterface* iface);
// Unplugs it: it leaves the enumeration, opens fail, and open handles fail to read and write.
SIMHID_API int simhid_unplug(int interface_id);
SIMHID_API int simhid_is_plugged(int interface_id);
// Handles currently open on the interface.
SIMHID_API int simhid_open_handles(int interface_id);

// Queues an input report that the next read of the interface returns.
SIMHID_API int simhid_queue_input(int interface_id, const unsigned char* data, int length);
SIMHID_API int simhid_pending_input(int interface_id);

SIMHID_API int simhid_set_faults(int interface_id, unsigned flags);
// From the nth write on (1: the next one) every feature and output report written to the
// interface fails (-1) and is not logged; 0 lifts the fault.
SIMHID_API int simhid_fail_writes_from(int interface_id, int nth);
// Refuses only the nth report written to the interface from now on (1: the next one): that write
// fails (-1) and is not logged, the others go through. 0 removes the rule.
SIMHID_API int simhid_refuse_nth_write(int interface_id, int nth);

// Written reports.
SIMHID_API int simhid_write_count(void);
// Copies write `index` into *info and up to `capacity` bytes into data; returns the bytes copied
// or -1 for an index out of range.
SIMHID_API int simhid_get_write(int index, SimHidWrite* info, unsigned char* data, int capacity);
SIMHID_API void simhid_clear_writes(void);
// Waits until at least `count` reports have been written; non-zero when they were.
SIMHID_API int simhid_wait_writes(int count, unsigned timeout_ms);

// The mouse behind `written_id` acknowledges: every report written there (after the first
// `skip` of them) queues `report` on `event_id`. `times` < 0 means for ever. One rule per
// written interface; a new rule replaces the old, a null report removes it.
SIMHID_API int simhid_set_ack(int written_id, int event_id, const unsigned char* report, int length,
                              int skip, int times);

// While `hold` is non-zero, every feature or output report written to the interface waits inside
// the call, as a wedged device's write does, until the hold is lifted (or the world is reset).
SIMHID_API int simhid_hold_writes(int interface_id, int hold);
// Writes waiting inside the call on the interface right now.
SIMHID_API int simhid_held_writes(int interface_id);

// What hid_get_feature_report returns for the interface (the id byte is the caller's).
SIMHID_API int simhid_set_feature_response(int interface_id, const unsigned char* data, int length);

#ifdef __cplusplus
}
#endif
