#include "app/ProgramState.h"

#include "catalogue/MessageCatalogue.h"

ProgramState &programState()
{
    static ProgramState state;
    return state;
}

QString message(int number)
{
    return lookupMessage(programState().currentLanguage, number);
}
