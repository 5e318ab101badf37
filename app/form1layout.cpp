// The main window's layout: every component in layout order with its designed settings, then the
// references between them, then the designed client size.
#include "form1.h"

TForm1::TForm1(QWidget* Owner) : TForm(Owner) {
  setObjectName("Form1");
  SetCaption(QStringLiteral("Brenvik V1.0  By Tamsel"));
  move(192, 107);
  QWidget* client = ClientArea();

  bsSkinButtonLabel1 = new TbsSkinButtonLabel(client);
  bsSkinButtonLabel1->setObjectName("bsSkinButtonLabel1");
  bsSkinButtonLabel1->SetBounds(-1, 26, 81, 17);
  bsSkinButtonLabel1->SetCaption(QStringLiteral("待办事项"));
  bsSkinButtonLabel1->SetSkinDataName(QStringLiteral("stdlabel"));

  bsSkinButtonLabel2 = new TbsSkinButtonLabel(client);
  bsSkinButtonLabel2->setObjectName("bsSkinButtonLabel2");
  bsSkinButtonLabel2->SetBounds(10, 256, 79, 17);
  bsSkinButtonLabel2->SetCaption(QStringLiteral("已完成事项"));
  bsSkinButtonLabel2->SetSkinDataName(QStringLiteral("stdlabel"));

  bsSkinLinkLabel1 = new TbsSkinLinkLabel(client);
  bsSkinLinkLabel1->setObjectName("bsSkinLinkLabel1");
  bsSkinLinkLabel1->SetBounds(184, 472, 197, 14);
  bsSkinLinkLabel1->SetCaption(QStringLiteral("点击访问作者(Tamsel)的博客   20100314"));
  bsSkinLinkLabel1->SetSkinDataName(QStringLiteral("stdlabel"));
  bsSkinLinkLabel1->OnClick = [this](TObject* Sender) { bsSkinLinkLabel1Click(Sender); };

  bsSkinEdit1 = new TbsSkinEdit(client);
  bsSkinEdit1->setObjectName("bsSkinEdit1");
  bsSkinEdit1->SetBounds(80, 24, 417, 18);
  bsSkinEdit1->SetSkinDataName(QStringLiteral("edit"));
  bsSkinEdit1->setAccessibleName(QStringLiteral("新事项"));
  bsSkinEdit1->SetImeName(QStringLiteral("中文 (简体) - 全拼"));

  bsSkinXFormButton1 = new TbsSkinXFormButton(client);
  bsSkinXFormButton1->setObjectName("bsSkinXFormButton1");
  bsSkinXFormButton1->SetBounds(515, 22, 75, 25);
  bsSkinXFormButton1->SetCaption(QStringLiteral("添加"));
  bsSkinXFormButton1->SetSkinDataName(QStringLiteral("button"));
  bsSkinXFormButton1->OnClick = [this](TObject* Sender) { bsSkinXFormButton1Click(Sender); };

  bsSkinListBox1 = new TbsSkinListBox(client);
  bsSkinListBox1->setObjectName("bsSkinListBox1");
  bsSkinListBox1->SetBounds(16, 56, 577, 193);
  bsSkinListBox1->SetSkinDataName(QStringLiteral("listbox"));
  bsSkinListBox1->SetAccessibleName(bsSkinButtonLabel1->Caption());
  bsSkinListBox1->OnListBoxClick = [this](TObject* Sender) { bsSkinListBox1ListBoxClick(Sender); };

  bsSkinListBox2 = new TbsSkinListBox(client);
  bsSkinListBox2->setObjectName("bsSkinListBox2");
  bsSkinListBox2->SetBounds(16, 280, 577, 177);
  bsSkinListBox2->SetSkinDataName(QStringLiteral("listbox"));
  bsSkinListBox2->SetAccessibleName(bsSkinButtonLabel2->Caption());

  bsBusinessSkinForm1 = new TbsBusinessSkinForm(this);
  bsBusinessSkinForm1->setObjectName("bsBusinessSkinForm1");
  bsBusinessSkinForm1->SetBorderIcons(TbsBorderIcon::SystemMenu | TbsBorderIcon::Minimize |
                                      TbsBorderIcon::Maximize | TbsBorderIcon::RollUp);

  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName("bsSkinData1");
  bsSkinData1->SetSkinnableForm(true);
  bsSkinData1->SetEnableSkinEffects(true);

  bsCompressedStoredSkin1 = new TbsCompressedStoredSkin(this);
  bsCompressedStoredSkin1->setObjectName("bsCompressedStoredSkin1");
  bsCompressedStoredSkin1->SetResource(QStringLiteral(":/skins/OSVista.skn"));

  bsSkinPopupMenu1 = new TbsSkinPopupMenu(this);
  bsSkinPopupMenu1->setObjectName("bsSkinPopupMenu1");

  N1 = new TMenuItem(bsSkinPopupMenu1);
  N1->setObjectName("N1");
  N1->SetCaption(QStringLiteral("设置为完成事项"));
  N1->OnClick = [this](TObject* Sender) { N1Click(Sender); };

  N3 = new TMenuItem(bsSkinPopupMenu1);
  N3->setObjectName("N3");
  N3->SetCaption(QStringLiteral("删除该事项"));
  N3->OnClick = [this](TObject* Sender) { N3Click(Sender); };

  bsSkinPopupMenu2 = new TbsSkinPopupMenu(this);
  bsSkinPopupMenu2->setObjectName("bsSkinPopupMenu2");

  N2 = new TMenuItem(bsSkinPopupMenu2);
  N2->setObjectName("N2");
  N2->SetCaption(QStringLiteral("设置为待办事项"));
  N2->OnClick = [this](TObject* Sender) { N2Click(Sender); };

  N4 = new TMenuItem(bsSkinPopupMenu2);
  N4->setObjectName("N4");
  N4->SetCaption(QStringLiteral("删除该事项"));
  N4->OnClick = [this](TObject* Sender) { N4Click(Sender); };

  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnCloseQuery = [this](TObject* Sender, bool& CanClose) { FormCloseQuery(Sender, CanClose); };

  // References between the components: the skin is decoded and applied here.
  bsSkinPopupMenu1->Add(N1);
  bsSkinPopupMenu1->Add(N3);
  bsSkinPopupMenu2->Add(N2);
  bsSkinPopupMenu2->Add(N4);
  bsSkinPopupMenu2->SetSkinData(bsSkinData1);
  bsSkinListBox1->SetPopupMenu(bsSkinPopupMenu1);
  bsSkinListBox2->SetPopupMenu(bsSkinPopupMenu2);
  bsSkinData1->SetCompressedStoredSkin(bsCompressedStoredSkin1);
  bsBusinessSkinForm1->SetSkinData(bsSkinData1);
  bsSkinButtonLabel1->SetSkinData(bsSkinData1);
  bsSkinButtonLabel2->SetSkinData(bsSkinData1);
  bsSkinLinkLabel1->SetSkinData(bsSkinData1);
  bsSkinEdit1->SetSkinData(bsSkinData1);
  bsSkinXFormButton1->SetSkinData(bsSkinData1);
  bsSkinListBox1->SetSkinData(bsSkinData1);
  bsSkinListBox2->SetSkinData(bsSkinData1);

  // Tab order: the entry box, the pending rows, the completed rows. The Add button is no stop.
  setTabOrder(bsSkinEdit1, bsSkinListBox1->RowArea());
  setTabOrder(bsSkinListBox1->RowArea(), bsSkinListBox2->RowArea());

  SetClientSize(610, 512);
}
