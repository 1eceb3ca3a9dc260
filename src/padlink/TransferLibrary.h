#pragma once
// The transfer library's C interface, the same in libpadlink.so and libpadsend.so.

#define V72_TRANSFER_EXPORT __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

// Opens the transport named by V72_KEYPAD. Returns 1 when reports can be sent, 0 when the
// transport cannot be opened (TransferError says why). Window, message and parameter are
// accepted as the programs pass them (their window, 1124, 65280) and otherwise unused.
V72_TRANSFER_EXPORT int RegisterTransferWindow(void* window, unsigned int message, unsigned int parameter);

// Sends one 7-byte report (3, address low, address high, 4 data bytes). Returns 1 when it
// was delivered, 0 when not (also when no transport is open).
V72_TRANSFER_EXPORT int SendTransferReport(unsigned int target, unsigned int parameter, const unsigned char* report);

// What the reports are written to ("keypad /dev/hidraw3", "simulated keypad PATH", ...),
// and why the last registration failed; empty strings when there is nothing to say.
V72_TRANSFER_EXPORT const char* TransferTarget(void);
V72_TRANSFER_EXPORT const char* TransferError(void);

#ifdef __cplusplus
}
#endif
