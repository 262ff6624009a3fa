#include "document/image_document.h"
