#include "app/frmForma.h"

// The File menu's Save command. Saving crossword and answers files arrives with the file
// formats; until then there is nothing it can write.
void frmForma::FileSave_Click() {}
