#pragma once

#include "platform/forms/form.h"
#include "platform/skin/skinbutton.h"
#include "platform/skin/skindata.h"
#include "platform/skin/skinedit.h"
#include "platform/skin/skinform.h"
#include "platform/skin/skinlabel.h"
#include "platform/skin/skinlistbox.h"
#include "platform/skin/skinpopupmenu.h"

// The main window: the entry box, the Add button, the pending and the completed list with their
// context menus, and the author link, drawn with the stored skin.
class TForm1 : public TForm {
  Q_OBJECT

 public:
  TbsBusinessSkinForm* bsBusinessSkinForm1;
  TbsSkinData* bsSkinData1;
  TbsCompressedStoredSkin* bsCompressedStoredSkin1;
  TbsSkinButtonLabel* bsSkinButtonLabel1;
  TbsSkinButtonLabel* bsSkinButtonLabel2;
  TbsSkinEdit* bsSkinEdit1;
  TbsSkinXFormButton* bsSkinXFormButton1;
  TbsSkinListBox* bsSkinListBox1;
  TbsSkinListBox* bsSkinListBox2;
  TbsSkinLinkLabel* bsSkinLinkLabel1;
  TbsSkinPopupMenu* bsSkinPopupMenu1;
  TMenuItem* N1;
  TbsSkinPopupMenu* bsSkinPopupMenu2;
  TMenuItem* N2;
  TMenuItem* N3;
  TMenuItem* N4;

  void FormCreate(TObject* Sender);
  void N1Click(TObject* Sender);
  void N2Click(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void N3Click(TObject* Sender);
  void N4Click(TObject* Sender);
  void bsSkinXFormButton1Click(TObject* Sender);
  void bsSkinLinkLabel1Click(TObject* Sender);
  void bsSkinListBox1ListBoxClick(TObject* Sender);

  // Loads the window's layout.
  explicit TForm1(QWidget* Owner);
};

extern TForm1* Form1;
