/*
 * meterly-feed-reader: prints Meterly's live traffic figures once a second, and the graph
 * settings whenever they change, from the shared-memory objects described in
 * <meterly/graph_feed.h>. Plain C and POSIX; copy it freely.
 *
 *   meterly-feed-reader [--count N] [--suffix S]
 *
 *   --count N   stop after N lines of figures (absent or 0: run until interrupted)
 *   --suffix S  read the objects named with S instead of ".<uid>" (for tests)
 */
#include <meterly/graph_feed.h>

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#define PROGRAM "meterly-feed-reader"

struct options {
  unsigned long count; /* 0: no limit */
  char suffix[32];
};

static void usage(void) { fprintf(stderr, "usage: " PROGRAM " [--count N] [--suffix S]\n"); }

static int parse_options(int argc, char **argv, struct options *options) {
  options->count = 0;
  snprintf(options->suffix, sizeof options->suffix, ".%u", (unsigned)geteuid());
  for (int i = 1; i < argc; ++i) {
    const char *value = i + 1 < argc ? argv[i + 1] : NULL;
    if (strcmp(argv[i], "--count") == 0 && value) {
      char *end = NULL;
      errno = 0;
      options->count = strtoul(value, &end, 10);
      if (errno != 0 || *value == '\0' || *end != '\0' || *value == '-') return -1;
    } else if (strcmp(argv[i], "--suffix") == 0 && value && strlen(value) < sizeof options->suffix) {
      strcpy(options->suffix, value);
    } else {
      return -1;
    }
    ++i;
  }
  return 0;
}

/* Maps one object read-only; NULL after printing why not. */
static const volatile unsigned char *map_section(const char *object, const char *suffix) {
  char name[96];
  snprintf(name, sizeof name, "%s%s", object, suffix);
  int fd = shm_open(name, O_RDONLY, 0);
  if (fd < 0) {
    if (errno == ENOENT) {
      fprintf(stderr, PROGRAM ": %s does not exist. Meterly is not running for this user?\n", name);
    } else {
      fprintf(stderr, PROGRAM ": cannot open %s: %s\n", name, strerror(errno));
    }
    return NULL;
  }
  struct stat info;
  if (fstat(fd, &info) != 0 || info.st_size < METERLY_SECTION_SIZE) {
    fprintf(stderr, PROGRAM ": %s is not a Meterly section (%ld bytes)\n", name, (long)info.st_size);
    close(fd);
    return NULL;
  }
  void *view = mmap(NULL, METERLY_SECTION_SIZE, PROT_READ, MAP_SHARED, fd, 0);
  close(fd);
  if (view == MAP_FAILED) {
    fprintf(stderr, PROGRAM ": cannot map %s: %s\n", name, strerror(errno));
    return NULL;
  }
  return view;
}

/* Little-endian, at any offset, whatever this machine's byte order. */
static uint32_t read_u32(const volatile unsigned char *at) {
  return (uint32_t)at[0] | (uint32_t)at[1] << 8 | (uint32_t)at[2] << 16 | (uint32_t)at[3] << 24;
}

static struct meterly_graph_feed read_feed(const volatile unsigned char *section) {
  struct meterly_graph_feed feed;
  feed.tick = read_u32(section + METERLY_FEED_TICK);
  feed.received = read_u32(section + METERLY_FEED_RECEIVED);
  feed.sent = read_u32(section + METERLY_FEED_SENT);
  return feed;
}

static struct meterly_graph_settings read_settings(const volatile unsigned char *record) {
  struct meterly_graph_settings s;
  memset(&s, 0, sizeof s); /* padding too, so that two records compare with memcmp */
  s.color_back = read_u32(record + METERLY_SETTINGS_COLOR_BACK);
  s.color_in = read_u32(record + METERLY_SETTINGS_COLOR_IN);
  s.color_out = read_u32(record + METERLY_SETTINGS_COLOR_OUT);
  s.color_both = read_u32(record + METERLY_SETTINGS_COLOR_BOTH);
  s.color_frame = read_u32(record + METERLY_SETTINGS_COLOR_FRAME);
  s.color_text = read_u32(record + METERLY_SETTINGS_COLOR_TEXT);
  s.color_text_again = read_u32(record + METERLY_SETTINGS_COLOR_TEXT_AGAIN);
  s.gradient_color = read_u32(record + METERLY_SETTINGS_GRADIENT_COLOR);
  s.unit = record[METERLY_SETTINGS_UNIT];
  s.enable_gradient = record[METERLY_SETTINGS_ENABLE_GRADIENT];
  s.enable_smooth = record[METERLY_SETTINGS_ENABLE_SMOOTH];
  s.left_to_right = record[METERLY_SETTINGS_LEFT_TO_RIGHT];
  s.fixed_scale = record[METERLY_SETTINGS_FIXED_SCALE];
  s.fixed_scale_value = (int32_t)read_u32(record + METERLY_SETTINGS_FIXED_SCALE_VALUE);
  s.line_type = record[METERLY_SETTINGS_LINE_TYPE];
  s.line_step = (int32_t)read_u32(record + METERLY_SETTINGS_LINE_STEP);
  return s;
}

static void print_settings(const struct meterly_graph_settings *s) {
  printf(
      "settings ColorBack 0x%06X ColorDataIn 0x%06X ColorDataOut 0x%06X ColorDataBoth 0x%06X"
      " ColorDataFrame 0x%06X ColorDataText 0x%06X GradientColor 0x%06X Unit %u EnableGradient %u"
      " EnableSmooth %u LeftToRight %u FixedScale %u FixedScaleValue %ld LineType %u LineStep %ld\n",
      (unsigned)s->color_back, (unsigned)s->color_in, (unsigned)s->color_out, (unsigned)s->color_both,
      (unsigned)s->color_frame, (unsigned)s->color_text, (unsigned)s->gradient_color, s->unit, s->enable_gradient,
      s->enable_smooth, s->left_to_right, s->fixed_scale, (long)s->fixed_scale_value, s->line_type, (long)s->line_step);
}

/* What the command section said last, to print only what changed. */
struct command_state {
  int kind; /* -1 before the first look */
  int have_settings;
  struct meterly_graph_settings settings;
};

static void report_commands(const volatile unsigned char *comm, struct command_state *last) {
  const int kind = comm[METERLY_COMM_KIND];
  if (kind == METERLY_COMM_KIND_SETTINGS || kind == METERLY_COMM_KIND_RESET) {
    const struct meterly_graph_settings settings = read_settings(comm + METERLY_COMM_RECORD);
    if (!last->have_settings || memcmp(&settings, &last->settings, sizeof settings) != 0) print_settings(&settings);
    last->settings = settings;
    last->have_settings = 1;
  }
  if (kind == METERLY_COMM_KIND_RESET && last->kind != -1 && last->kind != kind) printf("reset\n");
  last->kind = kind;
}

int main(int argc, char **argv) {
  struct options options;
  if (parse_options(argc, argv, &options) != 0) {
    usage();
    return 2;
  }
  const volatile unsigned char *feed = map_section(METERLY_GRAPH_FEED_OBJECT, options.suffix);
  const volatile unsigned char *comm = feed ? map_section(METERLY_GRAPH_COMM_OBJECT, options.suffix) : NULL;
  if (!comm) return 1;

  struct command_state commands = {-1, 0, {0}};
  for (unsigned long lines = 0; options.count == 0 || lines < options.count;) {
    report_commands(comm, &commands);
    const struct meterly_graph_feed figures = read_feed(feed);
    printf("tick %lu received %lu sent %lu\n", (unsigned long)figures.tick, (unsigned long)figures.received,
           (unsigned long)figures.sent);
    fflush(stdout);
    if (++lines == options.count) break;
    const struct timespec second = {1, 0};
    nanosleep(&second, NULL);
  }
  return 0;
}
