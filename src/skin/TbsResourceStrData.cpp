#include "skin/TbsResourceStrData.h"

#include <QHash>

TbsResourceStrData::TbsResourceStrData(QObject* parent) : QObject(parent)
{
    FillDefaults();
}

void TbsResourceStrData::FillDefaults()
{
    resStrings_.append(DefaultStrings());
}

QString TbsResourceStrData::LookupString(const QString& key) const
{
    return Lookup(resStrings_, key);
}

QString TbsResourceStrData::DefaultString(const QString& key)
{
    static const QStringList defaults = DefaultStrings();
    return Lookup(defaults, key);
}

QString TbsResourceStrData::Lookup(const QStringList& lines, const QString& key)
{
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq >= 0 && QStringView(line).left(eq).compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1);
    }
    return {};
}

QStringList TbsResourceStrData::DefaultStrings()
{
    return {
        QStringLiteral("MI_MINCAPTION=Mi&nimize"),
        QStringLiteral("MI_MAXCAPTION=Ma&ximize"),
        QStringLiteral("MI_CLOSECAPTION=&Close"),
        QStringLiteral("MI_RESTORECAPTION=&Restore"),
        QStringLiteral("MI_MINTOTRAYCAPTION=Minimize to &Tray"),
        QStringLiteral("MI_ROLLUPCAPTION=Ro&llUp"),
        QStringLiteral("MINBUTTON_HINT=Minimize"),
        QStringLiteral("MAXBUTTON_HINT=Maximize"),
        QStringLiteral("CLOSEBUTTON_HINT=Close"),
        QStringLiteral("TRAYBUTTON_HINT=Minimize to Tray"),
        QStringLiteral("ROLLUPBUTTON_HINT=Roll Up"),
        QStringLiteral("MENUBUTTON_HINT=System menu"),
        QStringLiteral("RESTORE_HINT=Restore"),
        QStringLiteral("EDIT_UNDO=Undo"),
        QStringLiteral("EDIT_COPY=Copy"),
        QStringLiteral("EDIT_CUT=Cut"),
        QStringLiteral("EDIT_PASTE=Paste"),
        QStringLiteral("EDIT_DELETE=Delete"),
        QStringLiteral("EDIT_SELECTALL=Select All"),
        QStringLiteral("MSG_BTN_YES=&Yes"),
        QStringLiteral("MSG_BTN_NO=&No"),
        QStringLiteral("MSG_BTN_OK=OK"),
        QStringLiteral("MSG_BTN_CANCEL=Cancel"),
        QStringLiteral("MSG_BTN_ABORT=&Abort"),
        QStringLiteral("MSG_BTN_RETRY=&Retry"),
        QStringLiteral("MSG_BTN_IGNORE=&Ignore"),
        QStringLiteral("MSG_BTN_ALL=&All"),
        QStringLiteral("MSG_BTN_NOTOALL=N&oToAll"),
        QStringLiteral("MSG_BTN_YESTOALL=&YesToAll"),
        QStringLiteral("MSG_BTN_HELP=&Help"),
        QStringLiteral("MSG_BTN_OPEN=&Open"),
        QStringLiteral("MSG_BTN_SAVE=&Save"),
        QStringLiteral("MSG_BTN_CLOSE=Close"),
        QStringLiteral("MSG_BTN_BACK_HINT=Go To Last Folder Visited"),
        QStringLiteral("MSG_BTN_UP_HINT=Up One Level"),
        QStringLiteral("MSG_BTN_NEWFOLDER_HINT=Create New Folder"),
        QStringLiteral("MSG_BTN_VIEWMENU_HINT=View Menu"),
        QStringLiteral("MSG_BTN_STRETCH_HINT=Stretch Picture"),
        QStringLiteral("MSG_FILENAME=File name:"),
        QStringLiteral("MSG_FILETYPE=File type:"),
        QStringLiteral("MSG_NEWFOLDER=New Folder"),
        QStringLiteral("MSG_LV_DETAILS=Details"),
        QStringLiteral("MSG_LV_ICON=Large icons"),
        QStringLiteral("MSG_LV_SMALLICON=Small icons"),
        QStringLiteral("MSG_LV_LIST=List"),
        QStringLiteral("MSG_PREVIEWSKIN=Preview"),
        QStringLiteral("MSG_PREVIEWBUTTON=Button"),
        QStringLiteral("MSG_OVERWRITE=Do you want to overwrite old file?"),
        QStringLiteral("MSG_CAP_WARNING=Warning"),
        QStringLiteral("MSG_CAP_ERROR=Error"),
        QStringLiteral("MSG_CAP_INFORMATION=Information"),
        QStringLiteral("MSG_CAP_CONFIRM=Confirm"),
        QStringLiteral("MSG_CAP_SHOWFLAG=Do not display this message again"),
        QStringLiteral("CALC_CAP=Calculator"),
        QStringLiteral("ERROR=Error"),
        QStringLiteral("COLORGRID_CAP=Basic colors"),
        QStringLiteral("CUSTOMCOLORGRID_CAP=Custom colors"),
        QStringLiteral("ADDCUSTOMCOLORBUTTON_CAP=Add to Custom Colors"),
        QStringLiteral("FONTDLG_COLOR=Color:"),
        QStringLiteral("FONTDLG_NAME=Name:"),
        QStringLiteral("FONTDLG_SIZE=Size:"),
        QStringLiteral("FONTDLG_HEIGHT=Height:"),
        QStringLiteral("FONTDLG_EXAMPLE=Example:"),
        QStringLiteral("FONTDLG_STYLE=Style:"),
        QStringLiteral("FONTDLG_SCRIPT=Script:"),
        QStringLiteral("DB_DELETE_QUESTION=Delete record?"),
        QStringLiteral("DB_MULTIPLEDELETE_QUESTION=Delete all selected records?"),
        QStringLiteral("NODISKINDRIVE=There is no disk in Drive or Drive is not ready"),
        QStringLiteral("NOVALIDDRIVEID=Not a valid Drive ID"),
        QStringLiteral("FLV_NAME=Name"),
        QStringLiteral("FLV_SIZE=Size"),
        QStringLiteral("FLV_TYPE=Type"),
        QStringLiteral("FLV_LOOKIN=Look in: "),
        QStringLiteral("FLV_MODIFIED=Modified"),
        QStringLiteral("FLV_ATTRIBUTES=Attributes"),
        QStringLiteral("FLV_DISKSIZE=Disk Size"),
        QStringLiteral("FLV_FREESPACE=Free Space"),
        QStringLiteral("PRNDLG_NAME=Name:"),
        QStringLiteral("PRNDLG_PRINTER=Printer"),
        QStringLiteral("PRNDLG_PROPERTIES=Properties..."),
        QStringLiteral("PRNDLG_TYPE=Type:"),
        QStringLiteral("PRNDLG_STATUS=Status:"),
        QStringLiteral("PRNDLG_WHERE=Where:"),
        QStringLiteral("PRNDLG_COMMENT=Comment:"),
        QStringLiteral("PRNDLG_PRINTRANGE=Print range"),
        QStringLiteral("PRNDLG_COPIES=Copies"),
        QStringLiteral("PRNDLG_NUMCOPIES=Number of copies:"),
        QStringLiteral("PRNDLG_COLLATE=Collate"),
        QStringLiteral("PRNDLG_ALL=All"),
        QStringLiteral("PRNDLG_PAGES=Pages"),
        QStringLiteral("PRNDLG_SELECTION=Selection"),
        QStringLiteral("PRNDLG_PRINTTOFILE=Print to file"),
        QStringLiteral("PRNDLG_FROM=from:"),
        QStringLiteral("PRNDLG_TO=to:"),
        QStringLiteral("PRNDLG_ORIENTATION=Orientation"),
        QStringLiteral("PRNDLG_PAPER=Paper"),
        QStringLiteral("PRNDLG_PORTRAIT=Portrait"),
        QStringLiteral("PRNDLG_LANDSCAPE=Landscape"),
        QStringLiteral("PRNDLG_SOURCE=Source:"),
        QStringLiteral("PRNDLG_SIZE=Size:"),
        QStringLiteral("PRNDLG_MARGINS=Margins (millimeters)"),
        QStringLiteral("PRNDLG_MARGINS_INCHES=Margins (inches)"),
        QStringLiteral("PRNDLG_LEFT=Left:"),
        QStringLiteral("PRNDLG_RIGHT=Right:"),
        QStringLiteral("PRNDLG_TOP=Top:"),
        QStringLiteral("PRNDLG_BOTTOM=Bottom:"),
        QStringLiteral("PRNDLG_WARNING=There are no printers in your system!"),
        QStringLiteral("FIND_NEXT=Find next"),
        QStringLiteral("FIND_WHAT=Find what:"),
        QStringLiteral("FIND_DIRECTION=Direction"),
        QStringLiteral("FIND_DIRECTIONUP=Up"),
        QStringLiteral("FIND_DIRECTIONDOWN=Down"),
        QStringLiteral("FIND_MATCH_CASE=Match case"),
        QStringLiteral("FIND_MATCH_WHOLE_WORD_ONLY=Match whole word only"),
        QStringLiteral("FIND_REPLACE_WITH=Replace with:"),
        QStringLiteral("FIND_REPLACE=Replace"),
        QStringLiteral("FIND_REPLACE_All=Replace All"),
        QStringLiteral("FIND_REPLACE_CLOSE=Close"),
        QStringLiteral("MORECOLORS=More colors..."),
        QStringLiteral("AUTOCOLOR=Automatic"),
        QStringLiteral("CUSTOMCOLOR=Custom..."),
        QStringLiteral("DBNAV_FIRST=FIRST"),
        QStringLiteral("DBNAV_PRIOR=PRIOR"),
        QStringLiteral("DBNAV_NEXT=NEXT"),
        QStringLiteral("DBNAV_LAST=LAST"),
        QStringLiteral("DBNAV_INSERT=INSERT"),
        QStringLiteral("DBNAV_DELETE=DELETE"),
        QStringLiteral("DBNAV_EDIT=EDIT"),
        QStringLiteral("DBNAV_POST=POST"),
        QStringLiteral("DBNAV_CANCEL=CANCEL"),
        QStringLiteral("DBNAV_REFRESH=REFRESH"),
    };
}

QStringList TbsResourceStrData::SystemStrings()
{
    static const QHash<QString, QString> chinese{
        {QStringLiteral("MI_MINCAPTION"), QStringLiteral("&最小化")},
        {QStringLiteral("MI_MAXCAPTION"), QStringLiteral("&最大化")},
        {QStringLiteral("MI_CLOSECAPTION"), QStringLiteral("&关闭")},
        {QStringLiteral("MI_RESTORECAPTION"), QStringLiteral("&还原")},
        {QStringLiteral("MI_MINTOTRAYCAPTION"), QStringLiteral("&最小化到系统栏")},
        {QStringLiteral("MI_ROLLUPCAPTION"), QStringLiteral("&收缩")},
        {QStringLiteral("MINBUTTON_HINT"), QStringLiteral("最小化")},
        {QStringLiteral("MAXBUTTON_HINT"), QStringLiteral("最大化")},
        {QStringLiteral("CLOSEBUTTON_HINT"), QStringLiteral("关闭")},
        {QStringLiteral("TRAYBUTTON_HINT"), QStringLiteral("最小化到系统栏")},
        {QStringLiteral("ROLLUPBUTTON_HINT"), QStringLiteral("收缩")},
        {QStringLiteral("RESTORE_HINT"), QStringLiteral("还原")},
        {QStringLiteral("MSG_BTN_OK"), QStringLiteral("确定")},
        {QStringLiteral("MSG_BTN_CANCEL"), QStringLiteral("取消")},
        {QStringLiteral("MSG_BTN_CLOSE"), QStringLiteral("关闭")},
        {QStringLiteral("FIND_REPLACE_CLOSE"), QStringLiteral("关闭")},
    };
    QStringList lines = DefaultStrings();
    for (QString& line : lines) {
        const QString key = line.left(line.indexOf(u'='));
        if (chinese.contains(key))
            line = key + u'=' + chinese.value(key);
    }
    return lines;
}
