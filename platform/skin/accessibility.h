#pragma once

// Gives the skinned controls their roles and names for assistive technology: labels are static
// text named by their caption, the link is a link that can be pressed, a list box a named group
// around its rows. Installing again does nothing.
void InstallSkinAccessibility();

class TbsSkinListRowArea;

// Tell assistive technology that a list's rows or its selected row changed.
void NotifyAccessibleRowsChanged(TbsSkinListRowArea* area);
void NotifyAccessibleSelection(TbsSkinListRowArea* area, int row);
