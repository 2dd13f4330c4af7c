/*
 * Meterly's graph feed: the live traffic figures and the graph's look, published for external
 * viewers in two POSIX shared-memory objects. Plain C (C11 or later), usable from C++.
 *
 * Names. Each user has their own pair of objects, named after the effective user id in decimal:
 *
 *     METERLY_GRAPH_FEED_OBJECT ".<uid>"     e.g. "/MMF$MeterlyGraphFeed.1000"
 *     METERLY_GRAPH_COMM_OBJECT ".<uid>"     e.g. "/MMF$MeterlyGraphComm.1000"
 *
 *     char name[64];
 *     snprintf(name, sizeof name, "%s.%u", METERLY_GRAPH_FEED_OBJECT, (unsigned)geteuid());
 *     int fd = shm_open(name, O_RDONLY, 0);
 *     const unsigned char *feed = mmap(NULL, METERLY_SECTION_SIZE, PROT_READ, MAP_SHARED, fd, 0);
 *
 * Both objects are METERLY_SECTION_SIZE bytes, owned by the user and open to nobody else
 * (mode 0600). They exist from Meterly's first start in a boot; Meterly never removes them, so
 * a viewer may keep them mapped across restarts of the program.
 *
 * Reading. Meterly only writes; there is no lock and no notification. Poll the feed (a few
 * times a second is plenty): the figures are fresh when the tick stamp differs from the last
 * one seen. Meterly writes the stamp first and then the two figures, once a second, so a
 * reader that polls at the wrong moment may see a new stamp with old figures; when that
 * matters, read the figures again a few milliseconds after the stamp changed. A stamp that
 * stays the same for several seconds means Meterly is not publishing (it has ended, or its
 * tick is paused).
 *
 * Every multi-byte value is a little-endian unsigned 32-bit integer unless said otherwise,
 * stored at the offsets below. On a little-endian machine the structs below may be filled with
 * memcpy from the section (the settings record sits at an odd offset: copy it, never cast).
 */
#ifndef METERLY_GRAPH_FEED_H
#define METERLY_GRAPH_FEED_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define METERLY_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define METERLY_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

/* Section names as Meterly knows them, the prefix it gives them, and the resulting object
 * names without the ".<uid>" suffix. */
#define METERLY_SECTION_PREFIX "MMF$"
#define METERLY_GRAPH_FEED_SECTION "MeterlyGraphFeed"
#define METERLY_GRAPH_COMM_SECTION "MeterlyGraphComm"
#define METERLY_GRAPH_FEED_OBJECT "/" METERLY_SECTION_PREFIX METERLY_GRAPH_FEED_SECTION
#define METERLY_GRAPH_COMM_OBJECT "/" METERLY_SECTION_PREFIX METERLY_GRAPH_COMM_SECTION

/* The size of each of the two objects. */
#define METERLY_SECTION_SIZE 255

/* ---- The feed: the figures of the latest one-second tick. Bytes 12 onwards are unused. ----
 * tick:     milliseconds of the system's monotonic clock (CLOCK_MONOTONIC) when the figures
 *           were written, truncated to 32 bits (it wraps after 49.7 days: compare for
 *           inequality, never for order).
 * received: bytes received in that second, on the connection Meterly shows.
 * sent:     bytes sent in that second.
 * Both figures are 0 on a second whose counters could not be read. */
#define METERLY_FEED_TICK 0
#define METERLY_FEED_RECEIVED 4
#define METERLY_FEED_SENT 8
#define METERLY_FEED_USED_SIZE 12

struct meterly_graph_feed {
  uint32_t tick;
  uint32_t received;
  uint32_t sent;
};

/* ---- The command section: byte 0 says what the last message was. ---- */
#define METERLY_COMM_KIND 0
#define METERLY_COMM_RECORD 1

/* The graph settings changed: the settings record follows at METERLY_COMM_RECORD. */
#define METERLY_COMM_KIND_SETTINGS 1
/* The user cleared the graph: nothing else was written; the bytes after the kind still hold
 * the last settings record. Two resets in a row leave the section unchanged. 0 in the kind
 * byte means that no message was sent yet. */
#define METERLY_COMM_KIND_RESET 2

/* ---- The settings record (offsets relative to the record's start). ----
 * Colours are 0x00BBGGRR. Flags are 0 or 1. The padding bytes carry no meaning. */
#define METERLY_SETTINGS_COLOR_BACK 0
#define METERLY_SETTINGS_COLOR_IN 4    /* received traffic */
#define METERLY_SETTINGS_COLOR_OUT 8   /* sent traffic */
#define METERLY_SETTINGS_COLOR_BOTH 12 /* where received and sent overlap */
#define METERLY_SETTINGS_COLOR_FRAME 16
#define METERLY_SETTINGS_COLOR_TEXT 20
#define METERLY_SETTINGS_COLOR_TEXT_AGAIN 24 /* the same value as COLOR_TEXT */
#define METERLY_SETTINGS_GRADIENT_COLOR 28
#define METERLY_SETTINGS_UNIT 32              /* 1 byte: speeds in 0 bytes or 1 bits per second */
#define METERLY_SETTINGS_ENABLE_GRADIENT 33   /* 1 byte flag */
#define METERLY_SETTINGS_ENABLE_SMOOTH 34     /* 1 byte flag */
#define METERLY_SETTINGS_LEFT_TO_RIGHT 35     /* 1 byte flag */
#define METERLY_SETTINGS_FIXED_SCALE 36       /* 1 byte flag */
#define METERLY_SETTINGS_FIXED_SCALE_VALUE 40 /* signed 32-bit */
#define METERLY_SETTINGS_LINE_TYPE 44         /* 1 byte: 0 bars, 1 poly-line, 2 numbers only */
#define METERLY_SETTINGS_LINE_STEP 48         /* signed 32-bit */
#define METERLY_SETTINGS_RECORD_SIZE 52

struct meterly_graph_settings {
  uint32_t color_back;
  uint32_t color_in;
  uint32_t color_out;
  uint32_t color_both;
  uint32_t color_frame;
  uint32_t color_text;
  uint32_t color_text_again;
  uint32_t gradient_color;
  uint8_t unit;
  uint8_t enable_gradient;
  uint8_t enable_smooth;
  uint8_t left_to_right;
  uint8_t fixed_scale;
  uint8_t padding1[3];
  int32_t fixed_scale_value;
  uint8_t line_type;
  uint8_t padding2[3];
  int32_t line_step;
};

METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_feed, tick) == METERLY_FEED_TICK, "feed tick");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_feed, received) == METERLY_FEED_RECEIVED, "feed received");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_feed, sent) == METERLY_FEED_SENT, "feed sent");
METERLY_STATIC_ASSERT(sizeof(struct meterly_graph_feed) == METERLY_FEED_USED_SIZE, "feed size");

METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, color_back) == METERLY_SETTINGS_COLOR_BACK, "ColorBack");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, color_in) == METERLY_SETTINGS_COLOR_IN, "ColorDataIn");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, color_out) == METERLY_SETTINGS_COLOR_OUT, "ColorDataOut");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, color_both) == METERLY_SETTINGS_COLOR_BOTH,
                      "ColorDataBoth");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, color_frame) == METERLY_SETTINGS_COLOR_FRAME,
                      "ColorDataFrame");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, color_text) == METERLY_SETTINGS_COLOR_TEXT,
                      "ColorDataText");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, color_text_again) == METERLY_SETTINGS_COLOR_TEXT_AGAIN,
                      "ColorDataText again");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, gradient_color) == METERLY_SETTINGS_GRADIENT_COLOR,
                      "GradientColor");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, unit) == METERLY_SETTINGS_UNIT, "Unit");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, enable_gradient) == METERLY_SETTINGS_ENABLE_GRADIENT,
                      "EnableGradient");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, enable_smooth) == METERLY_SETTINGS_ENABLE_SMOOTH,
                      "EnableSmooth");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, left_to_right) == METERLY_SETTINGS_LEFT_TO_RIGHT,
                      "LeftToRight");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, fixed_scale) == METERLY_SETTINGS_FIXED_SCALE,
                      "FixedScale");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, fixed_scale_value) == METERLY_SETTINGS_FIXED_SCALE_VALUE,
                      "FixedScaleValue");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, line_type) == METERLY_SETTINGS_LINE_TYPE, "LineType");
METERLY_STATIC_ASSERT(offsetof(struct meterly_graph_settings, line_step) == METERLY_SETTINGS_LINE_STEP, "LineStep");
METERLY_STATIC_ASSERT(sizeof(struct meterly_graph_settings) == METERLY_SETTINGS_RECORD_SIZE, "settings record size");

METERLY_STATIC_ASSERT(METERLY_COMM_RECORD + METERLY_SETTINGS_RECORD_SIZE <= METERLY_SECTION_SIZE,
                      "the record fits in the command section");

#endif /* METERLY_GRAPH_FEED_H */
