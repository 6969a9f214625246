// ombrelta: turns one folder of pictures into static web pages.
#include "platform/platform.h"
#include "run/driver.h"

int main(int argc, char** argv) {
  auto os = ombrelta::system_platform();
  return ombrelta::run(*os, argc > 1 ? argv[1] : "");
}
