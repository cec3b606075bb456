#pragma once

class EditorModel;

// "Lista" and F5: shows the correction log in the report window under the
// caption "A módosítás végeredménye" without the reader's two headings,
// then gives the focus back to the grid.
void showCorrectionLog(EditorModel &model);
