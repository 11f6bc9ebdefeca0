#include "reports/PageTemplates.h"

#include "db/Gbk.h"

namespace lumo {
namespace {

// The name report: characters and grids, the note, the five grids, the three talents, their
// influences, the hints of each grid and the verdict, in a column of centred tables.
constexpr const char* kNameReport = R"(<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312" />
<title>名字评分</title>
<style type="text/css">
body { margin: 0px; }
div, td { font-size: 14px; color: #000000; line-height: 26px; }
.tablebgcolor { background-color: #BBAC85; width: 96%; }
.tdbgcolor { background-color: #FDFBF2; padding-left: 5px; }
.fontcolor1 { color: #000000; font-size: 18px; font-weight: bold; }
.fontcolor3 { color: #FF0000; }
.divh { height: 8px; overflow: hidden; }
.sy { display: inline; float: right; width: 1px; height: 1px; overflow: hidden; color: #f6f6f6; }
</style>
</head>
<body>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" border="0" align="center">
  <tr>
    <td class="tdbgcolor" width="56%">
      <table width="100%" bgcolor="#BBAC85" cellspacing="1" cellpadding="0" border="0">
        <tr>
          <td class="tdbgcolor">&nbsp;</td>
          <td class="tdbgcolor"><font color="#ababab">繁体</font></td>
          <td class="tdbgcolor"><font color="#ababab">拼音</font></td>
          <td class="tdbgcolor"><font color="#ababab">简体笔划</font></td>
          <td class="tdbgcolor"><font color="#ababab">康熙笔划</font></td>
          <td class="tdbgcolor"><font color="#ababab">字意五行</font></td>
        </tr>
        <tr>
          <td class="tdbgcolor"><span class="fontcolor1">{简体姓氏1}</span></td>
          <td class="tdbgcolor"><font color="#aaaaaa">{繁体姓氏1}</font></td>
          <td class="tdbgcolor"><font color="#aaaaaa">{姓氏1拼音}</font></td>
          <td class="tdbgcolor">{简体姓氏1笔划}</td>
          <td class="tdbgcolor">{繁体姓氏1笔划}</td>
          <td class="tdbgcolor">{姓氏1五行}</td>
        </tr>
        <tr>
          <td class="tdbgcolor"><span class="fontcolor1">{简体姓氏2}</span></td>
          <td class="tdbgcolor"><font color="#aaaaaa">{繁体姓氏2}</font></td>
          <td class="tdbgcolor"><font color="#aaaaaa">{姓氏2拼音}</font></td>
          <td class="tdbgcolor">{简体姓氏2笔划}</td>
          <td class="tdbgcolor">{繁体姓氏2笔划}</td>
          <td class="tdbgcolor">{姓氏2五行}</td>
        </tr>
        <tr>
          <td class="tdbgcolor"><span class="fontcolor1">{简体名字1}</span></td>
          <td class="tdbgcolor"><font color="#aaaaaa">{繁体名字1}</font></td>
          <td class="tdbgcolor"><font color="#aaaaaa">{名字1拼音}</font></td>
          <td class="tdbgcolor">{简体名字1笔划}</td>
          <td class="tdbgcolor">{繁体名字1笔划}</td>
          <td class="tdbgcolor">{名字1五行}</td>
        </tr>
        <tr>
          <td class="tdbgcolor"><span class="fontcolor1">{简体名字2}</span></td>
          <td class="tdbgcolor"><font color="#aaaaaa">{繁体名字2}</font></td>
          <td class="tdbgcolor"><font color="#aaaaaa">{名字2拼音}</font></td>
          <td class="tdbgcolor">{简体名字2笔划}</td>
          <td class="tdbgcolor">{繁体名字2笔划}</td>
          <td class="tdbgcolor">{名字2五行}</td>
        </tr>
      </table>
    </td>
    <td class="tdbgcolor" width="22%">天格-&gt; {天格}({天格五行})
      <p>人格-&gt; {人格}({人格五行})</p>
      <p>地格-&gt; {地格}({地格五行})</p>
    </td>
    <td class="tdbgcolor" width="22%">外格-&gt; {外格}({外格五行})
      <p></p>
      <p>总格-&gt; {总格}({总格五行})</p>
    </td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" border="0" align="center">
  <tr>
    <td class="tdbgcolor"><font color="#999999" style="font-size: 12px;">说明：五格剖象法所用字的笔划以《康熙字典》为准,不能按简体字的笔画数去计算。特别注意的是,如果名字分数低或评价为凶,一旦使用,能冲破命象则能异于常人、大富大贵、高高在上,如冲不破,则可能一生坎坷,能冲破的人毕竟是少数,这就是为什么个别“名人”的名字测下来分数反而很低的原因,他们靠后天的不断努力及机遇压制了命理的限制.而分数高,命理好,则能少走很多弯路,更容易成功。本方法测命理只供参考,切勿影响生活!</font><span class="sy">[ 结果来源于： Lumo取名软件 ]</span></td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" border="0" align="center">
  <tr>
    <td class="tdbgcolor"><span class="fontcolor1">天格{天格}的解析：</span>天格数是先祖留传下来的，其数理对人影响不大。（由于姓是固定的，所以天格也是固定的，不论凶吉都无法改)</td>
  </tr>
  <tr>
    <td class="tdbgcolor">{天格总论}（<font color=red>{天格吉凶}</font>）</td>
  </tr>
  <tr>
    <td class="tdbgcolor"> → 详细解释：<br />{天格释义}</td>
  </tr>
  <tr>
    <td class="tdbgcolor"><span class="fontcolor1">人格{人格}的解析：</span>人格数又称主运，是整个姓名的中心点，影响人的一生命运。</td>
  </tr>
  <tr>
    <td class="tdbgcolor">{人格总论}（<font color=red>{人格吉凶}</font>）</td>
  </tr>
  <tr>
    <td class="tdbgcolor"> → 详细解释：<br />{人格释义}</td>
  </tr>
  <tr>
    <td class="tdbgcolor"><span class="fontcolor1">地格{地格}的解析：</span>地格数又称前运，影响人中年（36岁）以前的活动力。</td>
  </tr>
  <tr>
    <td class="tdbgcolor">{地格总论}（<font color=red>{地格吉凶}</font>）</td>
  </tr>
  <tr>
    <td class="tdbgcolor"> → 详细解释：<br />{地格释义}</td>
  </tr>
  <tr>
    <td class="tdbgcolor"><span class="fontcolor1">总格{总格}的解析：</span>总格又称后运，影响人中年（36岁）以后的命运。</td>
  </tr>
  <tr>
    <td class="tdbgcolor">{总格总论}（<font color=red>{总格吉凶}</font>）</td>
  </tr>
  <tr>
    <td class="tdbgcolor"> → 详细解释：<br />{总格释义}</td>
  </tr>
  <tr>
    <td class="tdbgcolor"><span class="fontcolor1">外格{外格}的解析：</span>外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。</td>
  </tr>
  <tr>
    <td class="tdbgcolor">{外格总论}（<font color=red>{外格吉凶}</font>）</td>
  </tr>
  <tr>
    <td class="tdbgcolor"> → 详细解释：<br />{外格释义}</td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" border="0" align="center">
  <tr>
    <td class="tdbgcolor"><span class="fontcolor1">对三才数理的影响：</span>您的姓名三才配置为：{三才}。它具有如下数理诱导力，据此会对人生产生一定的影响。</td>
  </tr>
  <tr>
    <td class="tdbgcolor">{三才总论}（<font color=red>{三才吉凶}</font>）</td>
  </tr>
  <tr>
    <td class="tdbgcolor"> → 详细解释：<br />{三才释义}<br /></td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" border="0" align="center">
  <tr>
    <td class="tdbgcolor">对基础运的影响</td>
    <td class="tdbgcolor">{基础运}</td>
  </tr>
  <tr>
    <td class="tdbgcolor">对成功运的影响</td>
    <td class="tdbgcolor">{成功运}</td>
  </tr>
  <tr>
    <td class="tdbgcolor">对人际关系的影响</td>
    <td class="tdbgcolor">{人际关系}</td>
  </tr>
  <tr>
    <td class="tdbgcolor" width="20%">对性格的影响</td>
    <td class="tdbgcolor">{性格}</td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" border="0" align="center">
  <tr>
    <td class="tdbgcolor" width="20%">天格{天格}有以下数理暗示</td>
    <td class="tdbgcolor">{天格数理暗示}</td>
  </tr>
  <tr>
    <td class="tdbgcolor" width="20%">人格{人格}有以下数理暗示</td>
    <td class="tdbgcolor">{人格数理暗示}</td>
  </tr>
  <tr>
    <td class="tdbgcolor">地格{地格}有以下数理暗示</td>
    <td class="tdbgcolor">{地格数理暗示}</td>
  </tr>
  <tr>
    <td class="tdbgcolor">总格{总格}有以下数理暗示</td>
    <td class="tdbgcolor">{总格数理暗示}</td>
  </tr>
  <tr>
    <td class="tdbgcolor">外格{外格}有以下数理暗示</td>
    <td class="tdbgcolor">{外格数理暗示}</td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" cellspacing="1" cellpadding="0" border="0" align="center">
  <tr>
    <td class="tdbgcolor">总评及建议：<br />&nbsp;&nbsp;{总分建议}<div class="divh"></div></td>
    <td class="tdbgcolor" width="40%">姓名五格评分：<font style="font-family: Arial; font-size: 24px; font-weight: bold; color: #FF0000;">{评分总分}</font> 分</td>
  </tr>
</table>
<div class="divh"></div>
</body>
</html>
)";

// The dictionary entry of one character.
constexpr const char* kCharacterPage = R"(<html>
<head>
<meta http-equiv="Content-Language" content="zh-cn">
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<style type="text/css">
BODY { background-position: center top; background-repeat: repeat-y; border-bottom: 0px; border-left: 0px; border-right: 0px; border-top: 2px; font-family: "宋体"; font-size: 12px; margin: 0px; padding: 0px; text-decoration: none; }
A { color: #4a4a48; font-family: "宋体"; font-size: 12px; text-decoration: none; }
A:hover { color: #0482C6; font-family: "宋体"; font-size: 12px; text-decoration: none; }
TD { color: #3C3C3C; font-family: "宋体"; font-size: 14px; line-height: 20px; text-decoration: none; }
.font_14 { font-family: "宋体"; font-size: 22px; line-height: 130%; text-decoration: none; }
.font_14 a { font-family: "宋体"; font-size: 22px; line-height: 130%; text-decoration: none; }
.font_14 a:hover { color: #0482C6; font-family: "宋体"; font-size: 22px; line-height: 130%; text-decoration: none; }
.font_22 { color: #FF0000; font-family: "宋体"; font-size: 52px; line-height: 130%; text-decoration: none; }
.table4 { font-family: "宋体"; font-size: 12px; line-height: 130%; text-decoration: none; }
</style>
<title>{汉字}</title>
</head>
<body topmargin="2" leftmargin="0" bgcolor="#FFFFEC">
<table width="580" border="0" cellpadding="0" cellspacing="0" align="center" style="word-break: break-all">
  <tr>
    <td>&nbsp;</td>
  </tr>
  <tr>
    <td colspan="6">
      <table width="100%" border="0" height="47" bordercolor="#808080" cellpadding="0" cellspacing="0" id="table1">
        <tr>
          <td width="90" align="center" valign="top" class="font_22">{汉字}</td>
          <td>
            <table width="95%" cellpadding="3" cellspacing="1" bgcolor="#FFFFFF" align="center">
              <tr bgcolor="#E7ECF8">
                <td width="15%">拼音：</td>
                <td width="55%" class="font_14">{拼音}</td>
                <td width="20%">简体笔划：</td>
                <td width="10%">{简体笔划}</td>
              </tr>
              <tr bgcolor="#E7ECF8">
                <td width="15%">部首：</td>
                <td width="55%">{部首}</td>
                <td width="20%">繁体笔划：</td>
                <td width="10%">{繁体笔划}</td>
              </tr>
              <tr bgcolor="#E7ECF8">
                <td width="15%">五行：</td>
                <td width="55%">{五行}</td>
                <td width="20%">繁体：</td>
                <td width="10%">{繁体}</td>
              </tr>
            </table>
          </td>
        </tr>
      </table>
    </td>
  </tr>
  <tr>
    <td valign="top" colspan="6">
      <div align="center">
        <table width="98%" border="0" cellspacing="0" cellpadding="0">
          <tr>
            <td><br /><b>基本解释</b>：<hr />{基本解释}<br /><br /><b>详细解释</b>：<hr />{详细解释}<br /><br /></td>
          </tr>
        </table>
      </div>
    </td>
  </tr>
</table>
</body>
</html>
)";

// Origin, regions and famous bearers of a family name.
constexpr const char* kSurnamePage = R"(<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>百家姓_{姓氏}</title>
</head>
<body topmargin="30" leftmargin="30" rightmargin="30" bottommargin="30" bgcolor="#FFFFEC">
<b><font color="#FF0000" size="5">{姓氏}</font></b><br>
<br><b>姓氏起源</b>： <br>{姓氏起源}<br><br><b>分布地域</b>： <br>{聚集地}<br><br><b>历史名人</b>： <br>{历史名人}<br>
</body>
</html>
)";

}  // namespace

std::string GbkPage(const char* utf8Template) {
    std::string crlf;
    for (const char* p = utf8Template; *p; ++p) {
        if (*p == '\n') crlf += '\r';
        crlf += *p;
    }
    return Utf8ToGbk(crlf);
}

const std::string& NameReportTemplate() {
    static const std::string page = GbkPage(kNameReport);
    return page;
}

const std::string& CharacterPageTemplate() {
    static const std::string page = GbkPage(kCharacterPage);
    return page;
}

const std::string& SurnamePageTemplate() {
    static const std::string page = GbkPage(kSurnamePage);
    return page;
}

}  // namespace lumo
