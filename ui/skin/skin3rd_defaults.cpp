#include "ui/skin/skin3rd_defaults.h"

const std::vector<std::string>& DefaultSkin3rd()
{
    static const std::vector<std::string> lines = {
        // scrollbar
        "TCategoryButtons=scrollbar", "TVirtualStringTree=scrollbar", "TVirtualDrawTree=scrollbar",
        "TAdvPanelGroup=scrollbar", "THTMLViewer=scrollbar", "TDBCtrlGrid=scrollbar",
        "TImageEnMView=scrollbar", "TImageEnView=scrollbar", "TAdvMemo=scrollbar", "TDBAdvMemo=scrollbar",
        // pngspeedbutton
        "TPngSpeedbutton=pngspeedbutton",
        // pngbitbtn
        "TPngBitBtn=pngbitbtn",
        // Panel
        "TTBXDockablePanel=Panel", "TControlBar=Panel", "TTBDock=Panel", "TTBToolbar=Panel",
        "TLMDGROUPBOX=Panel", "TLMDSIMPLEPANEL=Panel", "TLMDDBCalendar=Panel", "TLMDButtonPanel=Panel",
        "TLMDLMDCalculator=Panel", "TLMDHeaderPanel=Panel", "TLMDTechnicalLine=Panel", "TLMDLMDClock=Panel",
        // panel
        "TRzGroup=panel", "TLMDCalculator=panel", "TLMDTrackbar=panel",
        // combobox
        "TComboboxex=combobox", "TcxDBLookupComboBox=combobox", "TcxDBComboBox=combobox",
        "TcxDBDateEdit=combobox", "TcxDBImageComboBox=combobox", "TcxDBCalcEdit=combobox",
        "TcxDBBlobEdit=combobox", "TcxDBPopupEdit=combobox", "TcxDBFontNameComboBox=combobox",
        "TcxDBShellComboBox=combobox", "TRxLookupEdit=combobox", "TRxDBLookupCombo=combobox",
        "TRzDateTimeEdit=combobox", "TRzColorEdit=combobox", "TRzDateTimePicker=combobox",
        "TRzDBDateTimeEdit=combobox", "TRzDbColorEdit=combobox", "TRzDBDateTimePicker=combobox",
        "TLMDListCombobox=combobox", "TLMDCheckListCombobox=combobox", "TLMDHeaderListCombobox=combobox",
        "TLMDImageCombobox=combobox", "TLMDColorCombobox=combobox", "TLMDFontCombobox=combobox",
        "TLMDFontSizeCombobox=combobox", "TLMDFontSizeCombobox=combobox", "TLMDPrinterCombobox=combobox",
        "TLMDDriveCombobox=combobox", "TLMDCalculatorComboBox=combobox", "TLMDTrackBarComboBox=combobox",
        "TLMDCalendarComboBox=combobox", "TLMDTreeComboBox=combobox", "TWWTempKeyCombo=combobox",
        // Combobox
        "TDBLookupCombobox=Combobox", "TWWDBCombobox=Combobox", "TWWDBCombobox=Combobox",
        "TWWDBLookupCombo=Combobox", "TWWKeyCombo=Combobox", "TWWDBDateTimePicker=Combobox",
        // speedbutton
        "TRxSpeedButton=speedbutton", "TfrSpeedButton=speedbutton", "TfrTBButton=speedbutton",
        // button
        "TRzButton=button",
        // bitbtn
        "TRzBitbtn=bitbtn", "TLMDButton=bitbtn", "TcxButton=bitbtn",
        // menubtn
        "TRzMenuButton=menubtn",
        // CheckGroup
        "TRzCheckGroup=CheckGroup", "TLMDCheckGroup=CheckGroup", "TLMDDBCheckGroup=CheckGroup",
        // Radiogroup
        "TRzRadioGroup=Radiogroup", "TRzDBRadioGroup=Radiogroup",
        // radiogroup
        "TLMDRADIOGROUP=radiogroup", "TLMDDBRADIOGROUP=radiogroup", "TWWRADIOGROUP=radiogroup",
        "TcxDBRadioGroup=radiogroup", "TcxRadioGroup=radiogroup",
        // Radiobutton
        "TRzDBRadioButton=Radiobutton", "TLMDRadiobutton=Radiobutton",
        // Checkbox
        "TDBCheckboxEh=Checkbox", "TDBCheckboxEh=Checkbox", "TLMDCHECKBOX=Checkbox",
        "TLMDDBCHECKBOX=Checkbox",
        // Groupbox
        "TLMDGroupBox=Groupbox",
        // groupbox
        "TcxGroupbox=groupbox",
        // Edit
        "TRzButtonEdit=Edit", "TLMDEDIT=Edit", "TLMDMASKEDIT=Edit", "TLMDBROWSEEDIT=Edit",
        "TLMDEXTSPINEDIT=Edit", "TLMDCALENDAREDIT=Edit", "TLMDFILEOPENEDIT=Edit", "TLMDFILESAVEEDIT=Edit",
        "TLMDCOLOREDIT=Edit", "TLMDDBEDIT=Edit", "TLMDDBMASKEDIT=Edit", "TLMDDBEXTSPINEDIT=Edit",
        "TLMDDBSPINEDIT=Edit", "TLMDDBEDITDBLookup=Edit", "TLMDEDITDBLookup=Edit", "TWWDBEDIT=Edit",
        "TOVCPICTUREFIELD=Edit", "TOVCDBPICTUREFIELD=Edit", "TOVCSLIDEREDIT=Edit", "TOVCDBSLIDEREDIT=Edit",
        "TOVCSIMPLEFIELD=Edit", "TOVCDBSIMPLEFIELD=Edit", "TO32DBFLEXEDIT=Edit", "TOVCNUMERICFIELD=Edit",
        "TOVCDBNUMERICFIELD=Edit",
        // edit
        "TLMDCalculatorEdit=edit",
    };
    return lines;
}
