// meterly-test-send-frames LINK COUNT SIZE: sends COUNT frames of SIZE bytes out of LINK, for the
// end-to-end tests that run the real program in a network namespace of their own.
#include "support/send_frames.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s LINK COUNT SIZE\n", argv[0]);
    return 2;
  }
  const QString failure = meterly::platform::kerneltest::SendFrames(QString::fromLocal8Bit(argv[1]), std::atoi(argv[2]),
                                                                    std::atoi(argv[3]));
  if (!failure.isEmpty()) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(failure));
    return 1;
  }
  return 0;
}
