// voriel-cli: the batch companion of the desktop program.
#include "cli/commands.h"

int main(int argc, char** argv) {
    return voriel::cli::Run(argc, argv);
}
