#pragma once

/* The entry point of the network module (libveltrane-net), which the game opens
   only when the player asks for the version check: linking Qt Network into the
   program itself would map it and a dozen libraries behind it at every start.
   The interface is plain C so the game and the module need not agree on more
   than this file; a changed signature gets a new name (_v2), never the old one. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum VeltraneNetStatus {
    VELTRANE_NET_OK = 0,        /* the body is in the buffer */
    VELTRANE_NET_FAILED = 1,    /* no connection, a protocol or HTTP status error, or out of time */
    VELTRANE_NET_OVERSIZED = 2, /* the body would not fit the buffer; the transfer was cut off */
};

/* One GET of `url` (no proxy) that ends after `timeout_ms` at the latest. On
   VELTRANE_NET_OK the body's `*size` bytes are in `body`, which holds
   `capacity` bytes. Runs a nested event loop on the calling thread: windows
   keep painting, clicks and key presses wait until it returns. */
int veltrane_net_fetch_v1(const char* url, int timeout_ms, char* body, int64_t capacity, int64_t* size);

#define VELTRANE_NET_FETCH_SYMBOL "veltrane_net_fetch_v1"

#ifdef __cplusplus
}
#endif
