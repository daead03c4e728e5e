// otpor-rezanja-calc: the simulation's cutting forces for one tool and regime,
// as text to paste. Everything but the streams lives in cli_lib.
#include "cli/CalcMain.h"

#include <iostream>

int main(int argc, char** argv)
{
    return otpor::RunCalc(argc, argv, std::cout, std::cerr);
}
