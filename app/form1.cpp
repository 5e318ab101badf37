#include "form1.h"

#include "lists/commands.h"
#include "lists/listfiles.h"
#include "platform/forms/application.h"
#include "platform/system/shell.h"

TForm1* Form1 = nullptr;

void TForm1::FormCreate(TObject*) {
  // Both lists are loaded whatever became of the first; each failure gets its message box.
  const auto failures = LoadListFiles({{"daiban.txt", &Form1->bsSkinListBox1->Items()},
                                       {"wancheng.txt", &Form1->bsSkinListBox2->Items()}});
  for (const auto& failure : failures) Application->Invoke([&] { std::rethrow_exception(failure); });
}

void TForm1::N1Click(TObject*) {
  MoveItem(Form1->bsSkinListBox1->Items(), Form1->bsSkinListBox1->ItemIndex(),
           Form1->bsSkinListBox2->Items());
}

void TForm1::N2Click(TObject*) {
  MoveItem(Form1->bsSkinListBox2->Items(), Form1->bsSkinListBox2->ItemIndex(),
           Form1->bsSkinListBox1->Items());
}

void TForm1::FormCloseQuery(TObject*, bool&) {
  SaveListFile(Form1->bsSkinListBox1->Items(), "daiban.txt");
  SaveListFile(Form1->bsSkinListBox2->Items(), "wancheng.txt");
}

void TForm1::N3Click(TObject*) {
  DeleteItem(Form1->bsSkinListBox1->Items(), Form1->bsSkinListBox1->ItemIndex());
}

void TForm1::N4Click(TObject*) {
  DeleteItem(Form1->bsSkinListBox2->Items(), Form1->bsSkinListBox2->ItemIndex());
}

void TForm1::bsSkinXFormButton1Click(TObject*) {
  AddItem(Form1->bsSkinEdit1->Text(), Form1->bsSkinListBox1->Items());
}

void TForm1::bsSkinLinkLabel1Click(TObject*) {
  WinExec("explorer.exe  http://tamsel.example.com/", 5);
}

void TForm1::bsSkinListBox1ListBoxClick(TObject*) {
  if (auto item = PickItem(Form1->bsSkinListBox1->Items(), Form1->bsSkinListBox1->ItemIndex()))
    Form1->bsSkinEdit1->SetText(*item);
}
