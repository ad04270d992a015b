#include "app/program_flow.h"

int main() {
    return run_program();
}
