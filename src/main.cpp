#include "startup/program.h"

int main(int argc, char** argv) {
    return bv::RunProgram(argc, argv);
}
