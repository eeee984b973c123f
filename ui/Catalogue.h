#pragma once
// The catalogue screen: the folder tree of puzzles on the centred background picture.
#include "library/DataFolder.h"
#include "platform/SurfaceForm.h"

#include <filesystem>
#include <string>

class QLabel;

namespace lexiglade {

class Outline;

class Tmain : public SurfaceForm {
    Q_OBJECT
  public:
    // Runs FormCreate; an error in it is shown in the error box and start-up goes on.
    explicit Tmain(DataFolders folders);
    // The game's data and shipped files both in `dataDir`.
    explicit Tmain(const std::filesystem::path& dataDir);
    ~Tmain() override;

    Outline* outline = nullptr;
    QLabel* Label2 = nullptr;

    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void outlineClick();
    // Loads "a7.asl" into the tree again; a failed load keeps what it placed.
    void ReloadTree();

    int BackdropLeft = 0;
    int BackdropTop = 0;
    int BackdropWidth = 0;
    int BackdropHeight = 0;

  protected:
    void FormPaint() override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormCreate(const DataFolders& folders);
    void OfferShippedPuzzles(const DataFolders& folders);
    void CreateControls();
    void LoadTreeInto();
    void RunOptions();
    void RunWizard();
    void DrawPicture(DeviceContext& dc, const char* name, int x, int y, int trim);

    bool closing_ = false;
};

} // namespace lexiglade
