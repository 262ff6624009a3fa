#include "drawing/reglages_dessin.h"

ReglagesDessin &ReglagesDessinProgramme()
{
    static ReglagesDessin reglages;
    return reglages;
}
